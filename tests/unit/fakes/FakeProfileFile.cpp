#include "fakes/FakeProfileFile.h"

#include "collections/StoredNames.h"
#include "base/TextPieces.h"

#include <algorithm>

namespace {
std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}
}  // namespace

FakeProfileFile::Section* FakeProfileFile::FindSection(const std::string& name)
{
    for (Section& section : sections)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

std::string FakeProfileFile::ReadString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue)
{
    std::string value = defaultValue;
    if (Section* found = FindSection(section)) {
        for (auto& entry : found->keys)
            if (SameName(entry.first, key)) { value = entry.second; break; }
    }
    value = Trim(value);
    // A value quoted at both ends is read without its quotes.
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return value;
}

int FakeProfileFile::ReadInt(const std::string& section, const std::string& key, int defaultValue)
{
    std::string value = ReadString(section, key, "");
    if (value.empty()) return defaultValue;
    return ReadDecimal(value);
}

std::vector<std::string> FakeProfileFile::ReadSectionNames()
{
    std::vector<std::string> names;
    for (const Section& section : sections) names.push_back(section.name);
    return names;
}

std::vector<std::string> FakeProfileFile::ReadKeyNames(const std::string& section)
{
    std::vector<std::string> names;
    if (Section* found = FindSection(section))
        for (auto& entry : found->keys) names.push_back(entry.first);
    return names;
}

bool FakeProfileFile::WriteChanges(const FileChanges& changes)
{
    if (changes.empty()) return true;
    if (failWrites) return false;
    ++writeCount;
    exists = true;
    for (const SectionChange& change : changes) {
        if (change.removed) {
            sections.erase(std::remove_if(sections.begin(), sections.end(),
                                          [&](const Section& s) { return SameName(s.name, change.section); }),
                           sections.end());
        }
        for (const KeyChange& key : change.keys) WriteKey(change.section, key);
    }
    return true;
}

void FakeProfileFile::WriteKey(const std::string& section, const KeyChange& change)
{
    Section* found = FindSection(section);
    if (!found && !change.value) return;
    if (!found) {
        sections.push_back({section, {}});
        found = &sections.back();
    }
    auto& keys = found->keys;
    auto entry = std::find_if(keys.begin(), keys.end(), [&](auto& e) { return SameName(e.first, change.key); });
    if (!change.value) {
        if (entry != keys.end()) keys.erase(entry);
    } else if (entry != keys.end()) {
        entry->second = *change.value;
    } else {
        keys.emplace_back(change.key, *change.value);
    }
}

bool FakeProfileFile::Remove()
{
    if (failWrites) return false;
    sections.clear();
    exists = false;
    ++generation;
    return true;
}

std::string FakeProfileFile::Text() const
{
    std::string text;
    for (const Section& section : sections) {
        text += "[" + section.name + "]\r\n";
        for (auto& entry : section.keys) text += entry.first + "=" + entry.second + "\r\n";
    }
    return text;
}

void FakeProfileFile::SetText(const std::string& text)
{
    sections.clear();
    exists = true;
    for (std::string line : SplitText(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') {
            sections.push_back({line.substr(1, line.find(']') - 1), {}});
        } else if (!sections.empty() && !line.empty()) {
            size_t equals = line.find('=');
            if (equals == std::string::npos) sections.back().keys.emplace_back(Trim(line), "");
            else sections.back().keys.emplace_back(Trim(line.substr(0, equals)), line.substr(equals + 1));
        }
    }
}
