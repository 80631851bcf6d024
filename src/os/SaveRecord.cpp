#include "os/SaveRecord.h"

#include "base/TextPieces.h"

namespace {
// The first line names the form; a record of another form is never acted on.
const std::string formLine = "Tombolix save record 2\r\n";
const std::string idLabel = "id ";
const std::string afterLabel = "after ";
const std::string presentLine = "before present\r\n";
const std::string absentLine = "before absent\r\n";

// One line "label value\r\n" at the position, which moves past it.
std::optional<std::string> ReadLabelled(const std::string& bytes, size_t& at, const std::string& label)
{
    if (bytes.compare(at, label.size(), label) != 0) return std::nullopt;
    size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) return std::nullopt;
    std::string value = bytes.substr(at + label.size(), end - at - label.size());
    at = end + 2;
    return value;
}

std::optional<uint64_t> ReadHex(const std::string& text)
{
    if (text.empty() || text.size() > 16) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    return value;
}
}  // namespace

uint64_t HashBytes(const std::string& bytes)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3ull;
    return hash;
}

SaveRecord MakeSaveRecord(std::string id, std::optional<std::string> before, const std::string& after)
{
    return {std::move(id), std::move(before), after.size(), HashBytes(after)};
}

std::string FormatSaveRecord(const SaveRecord& record)
{
    std::string text = formLine + idLabel + record.id + "\r\n" + afterLabel + FormatHex(record.afterSize) + " " +
                       FormatHex(record.afterHash) + "\r\n";
    return record.before ? text + presentLine + *record.before : text + absentLine;
}

std::optional<SaveRecord> ParseSaveRecord(const std::string& bytes)
{
    if (bytes.compare(0, formLine.size(), formLine) != 0) return std::nullopt;
    size_t at = formLine.size();
    SaveRecord record;
    std::optional<std::string> id = ReadLabelled(bytes, at, idLabel);
    std::optional<std::string> after = ReadLabelled(bytes, at, afterLabel);
    if (!id || id->empty() || !after) return std::nullopt;
    size_t blank = after->find(' ');
    std::optional<uint64_t> size = ReadHex(after->substr(0, blank));
    std::optional<uint64_t> hash = blank == std::string::npos ? std::nullopt : ReadHex(after->substr(blank + 1));
    if (!size || !hash) return std::nullopt;
    record.id = *id;
    record.afterSize = *size;
    record.afterHash = *hash;
    if (bytes.compare(at, presentLine.size(), presentLine) == 0) record.before = bytes.substr(at + presentLine.size());
    else if (bytes.compare(at, std::string::npos, absentLine) != 0) return std::nullopt;
    return record;
}

bool MustPutBack(const SaveRecord& record, const std::optional<std::string>& now)
{
    // A save writes in place and never deletes: a missing file went since.
    if (!now) return false;
    if (now->size() == record.afterSize && HashBytes(*now) == record.afterHash) return false;   // done
    // Not begun; an empty file reads as none.
    if (record.before ? *now == *record.before : now->empty()) return false;
    return now->size() == record.afterSize;
}
