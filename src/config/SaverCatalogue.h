// The screen savers the settings sheet knows of, shown as the items of the
// Collections page's Available and Selected lists, which the Folders and
// Options pages read and change. The Windows and system folders are
// searched once per sheet, the extra folders at every collection shown.
#pragma once
#include "collections/FileFinder.h"
#include "framework/Controls.h"

#include <string>
#include <vector>

class CSaverCatalogue {
public:
    explicit CSaverCatalogue(IFileSystem& fileSystem) : fileSystem(fileSystem) {}

    // The names of the Windows folder, the system folders and the extra
    // folders, in that order: each once, letter case aside, under the
    // spelling of the first folder that has it, and none that a collection
    // cannot hold.
    const std::vector<std::string>& Names(const std::vector<std::string>& extraFolders);
    // Whether every folder of the last Names could be searched: only then
    // is a screen saver not found surely gone.
    bool EveryFolderSearched() const { return everyFolderSearched; }

private:
    IFileSystem& fileSystem;
    std::vector<CFileFinder> systemFinders;
    std::vector<std::string> names;
    bool everyFolderSearched = true;
};

// Offers the names the finder found in the Available list, except those
// that either list already shows (in any letter case) and those a
// collection cannot hold (the program's own files among them).
void AddToCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected);

// Takes each name the finder found out of both lists, whether or not
// another folder also has it.
void RemoveFromCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected);
