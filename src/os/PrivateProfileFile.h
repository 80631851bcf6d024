// An INI file in the Windows folder through the Windows profile functions,
// always named by its bare file name. Each call holds the file's lock, if
// it has one. Many keys of a section are read in one call and written in
// one write of the file.
#pragma once
#include "os/FileLock.h"
#include "os/ProfileFile.h"

class CPrivateProfileFile : public IProfileFile {
public:
    CPrivateProfileFile(std::string fileName, IFileLock* lock = nullptr)
        : fileName(std::move(fileName)), lock(lock) {}

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadSectionNames() override;
    std::vector<std::string> ReadKeyNames(const std::string& section) override;
    KeyValues ReadSection(const std::string& section) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    bool DeleteKey(const std::string& section, const std::string& key) override;
    bool DeleteSection(const std::string& section) override;
    bool WriteKeys(const std::string& section, const std::vector<KeyChange>& changes) override;
    bool Remove() override;

    // The file's full path in the Windows folder.
    std::string GetPath() const;

private:
    std::vector<std::string> ReadNameList(const char* section);
    bool Write(const char* section, const char* key, const char* value);
    // Windows refuses to write a read-only file; so does the program,
    // whoever runs it.
    bool IsReadOnly() const;

    std::string fileName;
    IFileLock* lock;
};
