#include "os/ProfileText.h"

#include <algorithm>
#include <unordered_map>
#include <map>

namespace {

struct Line {
    std::string text;   // with its line end
    bool live = true;
};

bool HasLineEnd(const std::string& text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

// The line without its end and the blanks around it.
std::string Content(const Line& line)
{
    size_t end = line.text.size();
    while (end > 0 && (line.text[end - 1] == '\n' || line.text[end - 1] == '\r')) --end;
    return TrimBlanks(line.text, 0, end);
}

// A line "[name]": in a text that reads alike everywhere, its one ']'
// closes the name.
bool IsSectionHeader(const Line& line)
{
    std::string content = Content(line);
    return !content.empty() && content[0] == '[' && content.find(']') != std::string::npos;
}

std::string SectionName(const Line& line)
{
    std::string content = Content(line);
    return TrimBlanks(content, 1, content.find(']'));
}

// The key of a line "key=value", or of a line that is a key alone (which
// the profile functions find, without a value); none for comments, blank
// lines and broken section headers.
std::optional<std::string> KeyOf(const Line& line)
{
    std::string content = Content(line);
    if (content.empty() || content[0] == ';' || content[0] == '[') return std::nullopt;
    return TrimBlanks(content, 0, content.find('='));
}

// Lines end at "\r\n" or "\n": a file with a carriage return alone reads
// otherwise on one platform and is never edited here.
std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        lines.push_back({text.substr(at, end - at)});
        at = end;
    }
    return lines;
}

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

// A line without its end, as both platforms read it: a remark or blank
// line, a header "[name]" with at most blanks or a remark after its one
// ']', a line "key=value" (or a key alone) with plain edges, or disputed
// when the platforms may read it otherwise.
struct ReadLine {
    enum Kind { Other, Header, Key, Disputed } kind = Other;
    std::string name;
};

ReadLine ReadAlike(const std::string& line)
{
    if (line.find('\r') != std::string::npos || !HasPlainEdges(line, 0, line.size())) return {ReadLine::Disputed, ""};
    const std::string content = TrimBlanks(line);
    if (content.empty() || content[0] == ';') return {ReadLine::Other, ""};
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

}  // namespace

bool ReadsAlikeEverywhere(const std::string& text, const NameFolder& fold)
{
    if (text.find('\0') != std::string::npos) return false;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0 || text.compare(0, 2, "\xFF\xFE") == 0 ||
        text.compare(0, 2, "\xFE\xFF") == 0)
        return false;
    // Maps rather than sets: the program carries no set of texts otherwise.
    std::map<std::string, std::string> sections, keysOfSection;
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find('\n', at), text.size());
        size_t contentEnd = end > at && text[end - 1] == '\r' ? end - 1 : end;
        ReadLine line = ReadAlike(text.substr(at, contentEnd - at));
        at = end + 1;
        if (line.kind == ReadLine::Disputed) return false;
        if (line.kind == ReadLine::Header) {
            if (!sections.emplace(fold(line.name), line.name).second) return false;
            keysOfSection.clear();
        } else if (line.kind == ReadLine::Key && !keysOfSection.emplace(fold(line.name), line.name).second) {
            return false;
        }
    }
    return true;
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
    if (!ReadsAlikeEverywhere(text, fold)) return std::nullopt;
    std::vector<Line> lines = SplitLines(text);
    const std::string lineEnd = text.find("\r\n") != std::string::npos || text.find('\n') == std::string::npos ? "\r\n"
                                                                                                             : "\n";

    // The section's lines run from its header to the next header.
    const std::string wanted = fold(section);
    size_t header = 0;
    while (header < lines.size() && !(IsSectionHeader(lines[header]) && fold(SectionName(lines[header])) == wanted))
        ++header;
    const bool newSection = header == lines.size();
    if (newSection) lines.push_back({"[" + section + "]" + lineEnd});
    size_t end = header + 1;
    while (end < lines.size() && !IsSectionHeader(lines[end])) ++end;

    // New keys go after the last line that is not blank, in order.
    size_t insertAt = end;
    while (insertAt > header + 1 && Content(lines[insertAt - 1]).empty()) --insertAt;
    std::vector<Line> added;
    std::unordered_map<std::string, std::vector<size_t>> linesOfKey;   // indices in lines, or past it in added
    for (size_t i = header + 1; i < end; ++i)
        if (auto key = KeyOf(lines[i])) linesOfKey[fold(*key)].push_back(i);

    auto lineAt = [&](size_t index) -> Line& { return index < lines.size() ? lines[index] : added[index - lines.size()]; };
    for (const KeyChange& change : changes) {
        std::vector<size_t>& found = linesOfKey[fold(change.key)];
        if (!found.empty() && change.value) {
            Line& line = lineAt(found.front());
            line.text = *KeyOf(line) + "=" + *change.value + lineEnd;
        } else if (!found.empty()) {
            lineAt(found.front()).live = false;
            found.erase(found.begin());
        } else if (change.value) {
            found.push_back(lines.size() + added.size());
            added.push_back({change.key + "=" + *change.value + lineEnd});
        }
    }

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
    // The lines of each key, first first; a removed line is emptied and dropped at the end.
    std::unordered_map<std::string, std::vector<size_t>> linesOfKey;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].empty() && lines[i][0] != ';') linesOfKey[fold(keyOf(lines[i]))].push_back(i);
    for (const KeyChange& change : changes) {
        std::vector<size_t>& found = linesOfKey[fold(change.key)];
        if (!found.empty() && change.value) {
            lines[found.front()] = keyOf(lines[found.front()]) + "=" + *change.value;
        } else if (!found.empty()) {
            lines[found.front()].clear();
            found.erase(found.begin());
        } else if (change.value) {
            found.push_back(lines.size());
            lines.push_back(change.key + "=" + *change.value);
        }
    }
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
}
