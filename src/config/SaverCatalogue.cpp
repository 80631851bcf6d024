#include "config/SaverCatalogue.h"

#include "collections/StoredNames.h"
#include "os/Win32FileSystem.h"

#include <unordered_map>
#include <vector>

namespace {
// Names in order, looked up as a list box looks them up (letter case aside)
// but in constant time.
class CFoldedNames : public INameList {
public:
    int FindExact(const std::string& text) override
    {
        auto found = indexOf.find(FoldLetterCase(text));
        return found == indexOf.end() ? -1 : found->second;
    }
    bool Contains(const std::string& text) const { return indexOf.count(FoldLetterCase(text)) != 0; }
    void Add(const std::string& text) override
    {
        indexOf.emplace(FoldLetterCase(text), static_cast<int>(names.size()));
        names.push_back(text);
    }

    std::vector<std::string> names;

private:
    std::unordered_map<std::string, int> indexOf;
};

CFoldedNames NamesOf(const CListBox& list, CFoldedNames names = {})
{
    for (const std::string& text : list.GetTexts()) names.Add(text);
    return names;
}
}  // namespace

const std::vector<std::string>& CSaverCatalogue::Names(const std::vector<std::string>& extraFolders)
{
    if (systemFinders.empty()) {
        systemFinders.emplace_back(fileSystem, GetWindowsFolder());
        for (const std::string& folder : GetSystemFolders()) systemFinders.emplace_back(fileSystem, folder);
        for (CFileFinder& finder : systemFinders) finder.Find("*.scr");
    }
    CFoldedNames found;
    for (const CFileFinder& finder : systemFinders) finder.FillList(found);
    // Searched again each time: a drive connected since may hold them now.
    for (const std::string& folder : extraFolders) {
        CFileFinder finder(fileSystem, folder);
        finder.Find("*.scr");
        finder.FillList(found);
    }
    names.clear();
    names.reserve(found.names.size());
    for (std::string& name : found.names)
        if (IsOfferedSaverName(name)) names.push_back(std::move(name));
    everyFolderSearched = true;
    for (const std::string& folder : extraFolders) everyFolderSearched = everyFolderSearched && FolderExists(folder);
    return names;
}

void AddToCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected)
{
    // A name already selected would otherwise show in both lists, and could
    // be selected twice.
    CFoldedNames shown = NamesOf(selected, NamesOf(available));
    size_t before = shown.names.size();
    finder.FillList(shown);
    std::vector<std::string> offered;
    for (size_t i = before; i < shown.names.size(); ++i)
        if (IsOfferedSaverName(shown.names[i])) offered.push_back(shown.names[i]);
    available.AddStrings(offered);
}

namespace {
void RemoveNames(const CFoldedNames& gone, const CListBox& list)
{
    std::vector<std::string> texts = list.GetTexts();
    CRedrawPause pause(list);
    for (size_t i = texts.size(); i-- > 0;)
        if (gone.Contains(texts[i])) list.DeleteString(static_cast<int>(i));
}
}  // namespace

void RemoveFromCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected)
{
    CFoldedNames gone;
    finder.FillList(gone);
    RemoveNames(gone, available);
    RemoveNames(gone, selected);
}
