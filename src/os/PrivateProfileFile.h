// An INI file in the Windows folder through the Windows profile functions,
// always named by its bare file name. Each call holds the file's lock, if
// it has one. Many keys of a section are read in one call and written in
// one write of the file, whole or not at all when it has a journal.
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
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    bool DeleteKey(const std::string& section, const std::string& key) override;
    bool DeleteSection(const std::string& section) override;
    bool WriteKeys(const std::string& section, const std::vector<KeyChange>& changes) override;
    bool Remove() override;
    std::string ReadIdentity() override;

    // The file's full path in the Windows folder.
    std::string GetPath() const;
    // Puts back the file that a save left cut off; true when there was one.
    bool RestoreCutOffSave();
    // Adds the text at the end of the file, which it creates if missing.
    bool Append(const std::string& text);

private:
    std::vector<std::string> ReadNameList(const char* section);
    bool Write(const char* section, const char* key, const char* value);
    bool WriteThroughProfileFunctions(const char* section, const char* key, const char* value);
    bool WriteKeysThroughProfileFunctions(const std::string& section, const std::vector<KeyChange>& changes);
    // The file read whole through one handle and written back as edit makes
    // it; an edit that gives none leaves it as it is and sets declined.
    template <typename Edit>
    bool RewriteWhole(Edit edit, bool& declined);
    // Runs one save with the file recorded first: whole or not at all.
    template <typename Save>
    bool Journaled(Save save);
    // Windows refuses to write a read-only file; so does the program,
    // whoever runs it.
    bool IsReadOnly() const;

    std::string fileName;
    IFileLock* lock;
    CSaveJournal* journal;
};
