// An INI file in the Windows folder through the Windows profile functions,
// always named by its bare file name.
#pragma once
#include "os/ProfileFile.h"

class CPrivateProfileFile : public IProfileFile {
public:
    explicit CPrivateProfileFile(std::string fileName) : fileName(std::move(fileName)) {}

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, size_t bufferSize) override;
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadSectionNames(size_t bufferSize) override;
    std::vector<std::string> ReadKeyNames(const std::string& section, size_t bufferSize) override;
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    void DeleteKey(const std::string& section, const std::string& key) override;
    void DeleteSection(const std::string& section) override;
    void Remove() override;

    // The file's full path in the Windows folder.
    std::string GetPath() const;

private:
    std::vector<std::string> ReadNameList(const char* section, size_t bufferSize);

    std::string fileName;
};
