// The screen-saver files of one folder, and their names as lists show them.
#pragma once
#include "os/FileSystem.h"

#include <list>
#include <string>

class CFileFinder {
public:
    CFileFinder(IFileSystem& fileSystem, const std::string& folder);
    virtual ~CFileFinder() = default;

    // Keeps the folder without one trailing backslash.
    void SetFolder(const std::string& folder);
    const std::string& GetFolder() const { return folder; }

    // Appends the names matching each blank-separated pattern; returns how
    // many this call appended.
    int Find(const std::string& patterns);
    // Adds each found name's display name unless the list has it; returns
    // the number of names found.
    int FillList(INameList& list) const;
    // The first found name equal to the file name without regard to case,
    // else the file name itself.
    std::string MatchName(const std::string& fileName) const;

    // The file name without its last four characters (the extension); a
    // shorter name whole.
    static std::string DisplayName(const std::string& fileName);

private:
    IFileSystem& fileSystem;
    std::string folder;
    std::list<std::string> found;
};
