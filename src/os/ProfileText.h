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

// The text from begin to end without the blanks (spaces, tabs) around it,
// as the profile functions trim names and values.
std::string TrimBlanks(const std::string& text, size_t begin = 0, size_t end = std::string::npos);

// Turns a name into the form in which two names that the profile functions
// take for one compare equal (their letter case folded).
using NameFolder = std::function<std::string(const std::string&)>;

// The file's text with the changes made in order, each as a write or a
// deletion of that one key would make it: in the first section of that
// name, on the first line of the key, whatever its letter case; a new key
// after the section's last line that is not blank, a new section at the
// end. Keys are written as the change spells them. None for a text that is
// not in a single-byte code (a UTF-16 file).
std::optional<std::string> EditSection(const std::string& text, const std::string& section,
                                       const std::vector<KeyChange>& changes, const NameFolder& fold);
