// An INI file in memory that answers like the Windows profile functions.
#pragma once
#include "os/ProfileFile.h"

#include <string>
#include <utility>
#include <vector>

class FakeProfileFile : public IProfileFile {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, size_t bufferSize) override;
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadSectionNames(size_t bufferSize) override;
    std::vector<std::string> ReadKeyNames(const std::string& section, size_t bufferSize) override;
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    void DeleteKey(const std::string& section, const std::string& key) override;
    void DeleteSection(const std::string& section) override;
    void Remove() override { sections.clear(); exists = false; }

    // The file as Windows writes it: "[Section]\r\nkey=value\r\n...".
    std::string Text() const;
    // Replaces the contents as if the file had been edited by hand.
    void SetText(const std::string& text);
    bool Exists() const { return exists; }

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    Section* FindSection(const std::string& name);
    std::vector<std::string> CutNameList(const std::vector<std::string>& names, size_t bufferSize) const;

    std::vector<Section> sections;
    bool exists = false;
};
