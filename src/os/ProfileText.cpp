#include "os/ProfileText.h"

#include <algorithm>
#include <unordered_map>

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

// A line "[name]"; one without its ']' starts no section. The name ends at
// the last ']', as for the profile functions: in an East Asian code page
// the second byte of a letter may be the one of ']'.
bool IsSectionHeader(const Line& line)
{
    std::string content = Content(line);
    return !content.empty() && content[0] == '[' && content.find(']') != std::string::npos;
}

std::string SectionName(const Line& line)
{
    std::string content = Content(line);
    return TrimBlanks(content, 1, content.rfind(']'));
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

// Lines end at "\r\n", "\n" or a "\r" alone, as the profile functions read them.
std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') end += 2;
        else ++end;
        lines.push_back({text.substr(at, end - at)});
        at = end;
    }
    return lines;
}

}  // namespace

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
    if (text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
        return std::nullopt;
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
            lineAt(found.front()).text = change.key + "=" + *change.value + lineEnd;
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
