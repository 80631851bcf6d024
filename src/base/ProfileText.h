// The text of an INI file, edited the way the profile functions edit it,
// for writing many keys of one section at once: only the lines of the keys
// that change are touched, and every other byte stays as it was.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A key's new value, or its removal when there is no value.
struct KeyChange {
    std::string key;
    std::optional<std::string> value;
};

// What one save does to one section: removes it, or makes its key changes.
struct SectionChange {
    std::string section;
    bool removed = false;
    std::vector<KeyChange> keys;
};
using FileChanges = std::vector<SectionChange>;

// The text from begin to end without the blanks (spaces, tabs) around it,
// as the profile functions trim names and values.
std::string TrimBlanks(const std::string& text, size_t begin = 0, size_t end = std::string::npos);

// Turns a name into the form in which two names that the profile functions
// take for one compare equal (their letter case folded).
using NameFolder = std::function<std::string(const std::string&)>;

// Every line of the text reads alike under each platform's profile
// functions: no byte-order mark and no NUL, no lone carriage return, names
// and values edged by spaces and tabs only, section headers closed by one
// ']' with at most a remark after it, and no section or key of a section
// written twice. Windows and Wine disagree on each of the others (a header
// without ']' starts a section on one, the first or the last ']' ends a
// name, which blanks are trimmed, which copy of a name counts).
bool ReadsAlikeEverywhere(const std::string& text, const NameFolder& fold);

// The file's text with the changes made in order, each as a write or a
// deletion of that one key would make it: on the key's line, whatever its
// letter case, which keeps the file's spelling; a new key after the
// section's last line that is not blank, a new section at the end. None for
// a text that does not read alike everywhere: that one is left to the
// platform's own profile functions.
std::optional<std::string> EditSection(const std::string& text, const std::string& section,
                                       const std::vector<KeyChange>& changes, const NameFolder& fold);

// The text without the section: its header and every line up to the next
// header. None for a text that does not read alike everywhere.
std::optional<std::string> RemoveSection(const std::string& text, const std::string& section, const NameFolder& fold);

// The text with every change made in order, as EditSection and
// RemoveSection make them; none for a text that does not read alike
// everywhere.
std::optional<std::string> EditText(std::string text, const FileChanges& changes, const NameFolder& fold);

// The lines "key=value" of one section, as the profile functions list them,
// with the changes made as EditSection makes them.
std::vector<std::string> EditSectionLines(std::vector<std::string> lines, const std::vector<KeyChange>& changes,
                                          const NameFolder& fold);
