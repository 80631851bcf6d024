// The screen savers one settings sheet knows of: every name found in the
// searched folders, each once (letter case aside), none that a collection
// cannot hold. The sheet owns it; the Collections page shows it split into
// its Available and Selected lists, the Options page offers it as blankers,
// and the Folders page adds and takes out the names of a folder. Each change
// is told to every page that watches.
#pragma once
#include "collections/FileFinder.h"

#include <string>
#include <unordered_set>
#include <vector>

// What one change did to the catalogue.
struct CatalogueChange {
    // Searched anew: every name may have changed.
    bool searched = false;
    // Names that came with a folder, in the order found.
    std::vector<std::string> added;
    // Names that went with a folder, as the folder spells them.
    std::vector<std::string> removed;
};

class ICatalogueWatcher {
public:
    virtual void OnCatalogueChanged(const CatalogueChange& change) = 0;

protected:
    ~ICatalogueWatcher() = default;
};

class CSaverCatalogue {
public:
    // The Windows and system folders are searched once per sheet, the extra
    // folders at every Search.
    explicit CSaverCatalogue(IFileSystem& fileSystem) : fileSystem(fileSystem) {}
    CSaverCatalogue(const CSaverCatalogue&) = delete;
    CSaverCatalogue& operator=(const CSaverCatalogue&) = delete;

    void Watch(ICatalogueWatcher& watcher) { watchers.push_back(&watcher); }

    // Searches the Windows folder, the system folders and the extra folders,
    // in that order; a name found twice keeps the first folder's spelling.
    void Search(const std::vector<std::string>& extraFolders);
    // Whether every folder of the last Search could be searched: only then
    // is a screen saver not found surely gone.
    bool EveryFolderSearched() const { return everyFolderSearched; }
    // In the order found, until a folder changes it.
    const std::vector<std::string>& Names() const { return names; }

    // The names the finder found that are not known yet join the catalogue.
    void AddFolder(const CFileFinder& finder);
    // Every name the finder found leaves it, whether or not another folder
    // also has it.
    void RemoveFolder(const CFileFinder& finder);

private:
    void Tell(const CatalogueChange& change);

    IFileSystem& fileSystem;
    std::vector<CFileFinder> alwaysSearched;
    std::vector<std::string> names;
    std::unordered_set<std::string> folded;   // the names, letter case folded
    bool everyFolderSearched = true;
    std::vector<ICatalogueWatcher*> watchers;
};
