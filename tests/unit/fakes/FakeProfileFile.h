// An INI file in memory that answers like the Windows profile functions.
#pragma once
#include "base/TextPieces.h"
#include "os/ProfileFile.h"

#include <string>
#include <utility>
#include <vector>

class FakeProfileFile : public IProfileFile {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadSectionNames() override;
    std::vector<std::string> ReadKeyNames(const std::string& section) override;
    bool WriteChanges(const FileChanges& changes) override;
    bool Remove() override;
    std::string ReadIdentity() override { return exists ? "file " + FormatDecimal(generation) : ""; }

    // Every write refused and the file left as it is, as for a read-only file.
    bool failWrites = false;
    // How many writes of the file there were.
    int writeCount = 0;

    // The file as Windows writes it: "[Section]\r\nkey=value\r\n...".
    std::string Text() const;
    // Replaces the contents as if the file had been edited by hand.
    void SetText(const std::string& text);
    // Puts another file in its place, as a restored copy would be.
    void ReplaceWith(const std::string& text)
    {
        SetText(text);
        ++generation;
    }
    bool Exists() const { return exists; }

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    Section* FindSection(const std::string& name);
    void WriteKey(const std::string& section, const KeyChange& change);

    std::vector<Section> sections;
    bool exists = false;
    int generation = 1;
};
