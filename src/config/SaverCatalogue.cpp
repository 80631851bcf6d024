#include "config/SaverCatalogue.h"

#include "collections/StoredNames.h"
#include "os/Win32FileSystem.h"

#include <algorithm>

namespace {
// The names a finder adds, looked up as a list box looks them up (letter
// case aside) but in constant time; a name a collection cannot hold is
// known but not kept.
class CFoldedNames : public INameList {
public:
    CFoldedNames(std::unordered_set<std::string>& folded, std::vector<std::string>& kept)
        : folded(folded), kept(kept) {}

    int FindExact(const std::string& text) override { return folded.count(FoldLetterCase(text)) ? 0 : -1; }
    void Add(const std::string& text) override
    {
        folded.insert(FoldLetterCase(text));
        if (IsOfferedSaverName(text)) kept.push_back(text);
    }

private:
    std::unordered_set<std::string>& folded;
    std::vector<std::string>& kept;
};
}  // namespace

void CSaverCatalogue::Search(const std::vector<std::string>& extraFolders)
{
    if (alwaysSearched.empty()) {
        alwaysSearched.emplace_back(fileSystem, GetWindowsFolder());
        for (const std::string& folder : GetSystemFolders()) alwaysSearched.emplace_back(fileSystem, folder);
        for (CFileFinder& finder : alwaysSearched) finder.Find("*.scr");
    }
    names.clear();
    folded.clear();
    CFoldedNames found(folded, names);
    for (const CFileFinder& finder : alwaysSearched) finder.FillList(found);
    // Searched again each time: a drive connected since may hold them now.
    everyFolderSearched = true;
    for (const std::string& folder : extraFolders) {
        CFileFinder finder(fileSystem, folder);
        finder.Find("*.scr");
        finder.FillList(found);
        everyFolderSearched = everyFolderSearched && FolderExists(folder);
    }
    CatalogueChange change;
    change.searched = true;
    Tell(change);
}

void CSaverCatalogue::AddFolder(const CFileFinder& finder)
{
    CatalogueChange change;
    CFoldedNames known(folded, change.added);
    finder.FillList(known);
    names.insert(names.end(), change.added.begin(), change.added.end());
    if (!change.added.empty()) Tell(change);
}

void CSaverCatalogue::RemoveFolder(const CFileFinder& finder)
{
    CatalogueChange change;
    std::unordered_set<std::string> gone;
    CFoldedNames found(gone, change.removed);
    finder.FillList(found);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& name) { return gone.count(FoldLetterCase(name)) != 0; }),
                names.end());
    for (const std::string& name : gone) folded.erase(name);
    if (!change.removed.empty()) Tell(change);
}

void CSaverCatalogue::Tell(const CatalogueChange& change)
{
    for (ICatalogueWatcher* watcher : watchers) watcher->OnCatalogueChanged(change);
}
