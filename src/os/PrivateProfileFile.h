// An INI file in the Windows folder through the Windows profile functions,
// named by its bare file name, or any other one named by its full path.
// Each call holds the file's lock, if it has one. A section is read in one
// call; the changes of one save are written in one write of the file,
// whole or not at all when it has a journal.
#pragma once
#include "os/FileLock.h"
#include "os/ProfileFile.h"
#include "os/SaveJournal.h"

class CPrivateProfileFile : public IProfileFile {
public:
    CPrivateProfileFile(std::string fileName, IFileLock* lock = nullptr, CSaveJournal* journal = nullptr)
        : fileName(std::move(fileName)), lock(lock), journal(journal) {}

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadSectionNames() override;
    std::vector<std::string> ReadKeyNames(const std::string& section) override;
    KeyValues ReadSection(const std::string& section) override;
    bool WriteChanges(const FileChanges& changes) override;
    bool Remove() override;
    std::string ReadIdentity() override;

    // The file's full path: in the Windows folder for a bare name.
    std::string GetPath() const;
    // Puts back the file that a save left cut off; true when there was one.
    bool RestoreCutOffSave();

private:
    std::vector<std::string> ReadNameList(const char* section);
    std::optional<std::string> EditThroughProfileFunctions(const std::string& text, const FileChanges& changes);
    // Windows refuses to write a read-only file; so does the program,
    // whoever runs it.
    bool IsReadOnly() const;

    std::string fileName;
    IFileLock* lock;
    CSaveJournal* journal;
};
