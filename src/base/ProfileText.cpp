#include "base/ProfileText.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

// Bytes that one platform's profile functions trim and the other's keep:
// vertical tab, form feed, the old end-of-file mark, and the code page's
// next-line and no-break space.
bool IsDisputedBlank(char c)
{
    return c == '\v' || c == '\f' || c == '\x1A' || c == '\x85' || c == '\xA0';
}

// The piece from begin to end, trimmed of spaces and tabs, has no disputed
// blank at either edge.
bool HasPlainEdges(const std::string& line, size_t begin, size_t end)
{
    std::string piece = TrimBlanks(line, begin, end);
    return piece.empty() || (!IsDisputedBlank(piece.front()) && !IsDisputedBlank(piece.back()));
}

// A line as both platforms read it: blank, a remark, a header "[name]" with
// at most blanks or a remark after its one ']', a line "key=value" (or a key
// alone) with plain edges, or disputed when the platforms may read it
// otherwise.
struct ReadLine {
    enum Kind { Blank, Remark, Header, Key, Disputed } kind = Blank;
    std::string name;
};

ReadLine ReadAlike(const std::string& line)
{
    if (line.find('\r') != std::string::npos || !HasPlainEdges(line, 0, line.size())) return {ReadLine::Disputed, ""};
    const std::string content = TrimBlanks(line);
    if (content.empty()) return {ReadLine::Blank, ""};
    if (content[0] == ';') return {ReadLine::Remark, ""};
    if (content[0] == '[') {
        size_t close = content.find(']');
        if (close == std::string::npos || content.find(']', close + 1) != std::string::npos)
            return {ReadLine::Disputed, ""};
        std::string after = TrimBlanks(content, close + 1);
        if ((!after.empty() && after[0] != ';') || !HasPlainEdges(content, 1, close)) return {ReadLine::Disputed, ""};
        return {ReadLine::Header, TrimBlanks(content, 1, close)};
    }
    size_t equals = content.find('=');
    if (!HasPlainEdges(content, 0, equals) ||
        (equals != std::string::npos && !HasPlainEdges(content, equals + 1, content.size())))
        return {ReadLine::Disputed, ""};
    return {ReadLine::Key, TrimBlanks(content, 0, equals)};
}

struct Line {
    std::string text;   // with its line end
    ReadLine read;
    bool live = true;
};

bool HasLineEnd(const std::string& text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

// Lines end at "\r\n" or "\n"; a carriage return alone is part of its line,
// which is then disputed.
std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        size_t contentEnd = end;
        if (contentEnd > at && text[contentEnd - 1] == '\n') --contentEnd;
        if (contentEnd > at && text[contentEnd - 1] == '\r') --contentEnd;
        lines.push_back({text.substr(at, end - at), ReadAlike(text.substr(at, contentEnd - at))});
        at = end;
    }
    return lines;
}

// A byte-order mark or a NUL: a text of another code than the program's.
bool IsSingleByteText(const std::string& text)
{
    return text.find('\0') == std::string::npos && text.compare(0, 3, "\xEF\xBB\xBF") != 0 &&
           text.compare(0, 2, "\xFF\xFE") != 0 && text.compare(0, 2, "\xFE\xFF") != 0;
}

// No line disputed, and no section, nor key of a section, written twice.
bool AllAlike(const std::vector<Line>& lines, const NameFolder& fold)
{
    // Maps rather than sets: the program carries no set of texts otherwise.
    std::map<std::string, std::string> sections, keysOfSection;
    for (const Line& line : lines) {
        const ReadLine& read = line.read;
        if (read.kind == ReadLine::Disputed) return false;
        if (read.kind == ReadLine::Header) {
            if (!sections.emplace(fold(read.name), read.name).second) return false;
            keysOfSection.clear();
        } else if (read.kind == ReadLine::Key && !keysOfSection.emplace(fold(read.name), read.name).second) {
            return false;
        }
    }
    return true;
}

// The indices of each key's lines, first first.
using LinesOfKey = std::unordered_map<std::string, std::vector<size_t>>;

// Each change in order on the first line of its key: a new value, or the
// line's removal; a key without a line gets a new one, whose index add gives.
template <typename Rewrite, typename Remove, typename Add>
void ApplyChanges(LinesOfKey& linesOfKey, const std::vector<KeyChange>& changes, const NameFolder& fold,
                  Rewrite rewrite, Remove remove, Add add)
{
    for (const KeyChange& change : changes) {
        std::vector<size_t>& found = linesOfKey[fold(change.key)];
        if (!found.empty() && change.value) {
            rewrite(found.front(), *change.value);
        } else if (!found.empty()) {
            remove(found.front());
            found.erase(found.begin());
        } else if (change.value) {
            found.push_back(add(change.key, *change.value));
        }
    }
}

}  // namespace

bool ReadsAlikeEverywhere(const std::string& text, const NameFolder& fold)
{
    return IsSingleByteText(text) && AllAlike(SplitLines(text), fold);
}

std::string TrimBlanks(const std::string& text, size_t begin, size_t end)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    end = std::min(end, text.size());
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::optional<std::string> EditSection(const std::string& text, const std::string& section,
                                       const std::vector<KeyChange>& changes, const NameFolder& fold)
{
    if (!IsSingleByteText(text)) return std::nullopt;
    std::vector<Line> lines = SplitLines(text);
    if (!AllAlike(lines, fold)) return std::nullopt;
    const std::string lineEnd = text.find("\r\n") != std::string::npos || text.find('\n') == std::string::npos ? "\r\n"
                                                                                                             : "\n";
    auto isHeader = [&](size_t i) { return lines[i].read.kind == ReadLine::Header; };

    // The section's lines run from its header to the next header.
    const std::string wanted = fold(section);
    size_t header = 0;
    while (header < lines.size() && !(isHeader(header) && fold(lines[header].read.name) == wanted)) ++header;
    const bool newSection = header == lines.size();
    if (newSection) lines.push_back({"[" + section + "]" + lineEnd, {ReadLine::Header, section}});
    size_t end = header + 1;
    while (end < lines.size() && !isHeader(end)) ++end;

    // New keys go after the last line that is not blank, in order.
    size_t insertAt = end;
    while (insertAt > header + 1 && lines[insertAt - 1].read.kind == ReadLine::Blank) --insertAt;
    std::vector<Line> added;
    LinesOfKey linesOfKey;   // indices in lines, or past it in added
    for (size_t i = header + 1; i < end; ++i)
        if (lines[i].read.kind == ReadLine::Key) linesOfKey[fold(lines[i].read.name)].push_back(i);

    auto lineAt = [&](size_t index) -> Line& { return index < lines.size() ? lines[index] : added[index - lines.size()]; };
    ApplyChanges(
        linesOfKey, changes, fold,
        [&](size_t index, const std::string& value) {
            Line& line = lineAt(index);
            line.text = line.read.name + "=" + value + lineEnd;
        },
        [&](size_t index) { lineAt(index).live = false; },
        [&](const std::string& key, const std::string& value) {
            added.push_back({key + "=" + value + lineEnd, {ReadLine::Key, key}});
            return lines.size() + added.size() - 1;
        });

    // A new section only for keys that stay.
    if (newSection) {
        lines[header].live = false;
        for (const Line& line : added) lines[header].live = lines[header].live || line.live;
    }

    std::string edited;
    edited.reserve(text.size() + added.size() * 32);
    auto emit = [&](const Line& line) {
        if (!line.live) return;
        // A last line without its end gets one when a line follows it.
        if (!edited.empty() && !HasLineEnd(edited)) edited += lineEnd;
        edited += line.text;
    };
    for (size_t i = 0; i <= lines.size(); ++i) {
        if (i == insertAt)
            for (const Line& line : added) emit(line);
        if (i < lines.size()) emit(lines[i]);
    }
    return edited;
}

std::vector<std::string> EditSectionLines(std::vector<std::string> lines, const std::vector<KeyChange>& changes,
                                          const NameFolder& fold)
{
    auto keyOf = [](const std::string& line) { return TrimBlanks(line, 0, line.find('=')); };
    LinesOfKey linesOfKey;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].empty() && lines[i][0] != ';') linesOfKey[fold(keyOf(lines[i]))].push_back(i);
    // A removed line is emptied, and dropped at the end.
    ApplyChanges(
        linesOfKey, changes, fold,
        [&](size_t index, const std::string& value) { lines[index] = keyOf(lines[index]) + "=" + value; },
        [&](size_t index) { lines[index].clear(); },
        [&](const std::string& key, const std::string& value) {
            lines.push_back(key + "=" + value);
            return lines.size() - 1;
        });
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
}

std::optional<std::string> RemoveSection(const std::string& text, const std::string& section, const NameFolder& fold)
{
    if (!IsSingleByteText(text)) return std::nullopt;
    std::vector<Line> lines = SplitLines(text);
    if (!AllAlike(lines, fold)) return std::nullopt;
    const std::string wanted = fold(section);
    std::string kept;
    kept.reserve(text.size());
    bool inSection = false;
    for (const Line& line : lines) {
        if (line.read.kind == ReadLine::Header) inSection = fold(line.read.name) == wanted;
        if (!inSection) kept += line.text;
    }
    return kept;
}

std::optional<std::string> EditText(std::string text, const FileChanges& changes, const NameFolder& fold)
{
    for (const SectionChange& change : changes) {
        std::optional<std::string> edited = change.removed ? RemoveSection(text, change.section, fold)
                                                           : EditSection(text, change.section, change.keys, fold);
        if (!edited) return std::nullopt;
        text = std::move(*edited);
    }
    return text;
}
