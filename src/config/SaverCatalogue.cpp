#include "config/SaverCatalogue.h"

#include "collections/StoredNames.h"
#include "os/Win32FileSystem.h"

#include <vector>

namespace {
// Keeps every name offered, in order; nothing is ever found in it.
class CNameCollector : public INameList {
public:
    int FindExact(const std::string&) override { return -1; }
    void Add(const std::string& text) override { names.push_back(text); }
    void Delete(int) override {}

    std::vector<std::string> names;
};
}  // namespace

void AddToCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected)
{
    CNameCollector found;
    finder.FillList(found);
    // A name already selected would otherwise show in both lists, and could
    // be selected twice.
    for (const std::string& name : found.names)
        if (IsOfferedSaverName(name) && available.FindStringExact(-1, name) < 0 && selected.FindStringExact(-1, name) < 0)
            available.AddString(name);
}

void RemoveFromCatalogue(const CFileFinder& finder, const CListBox& available, const CListBox& selected)
{
    CListBoxNames availableNames(available);
    CListBoxNames selectedNames(selected);
    finder.RemoveFromList(availableNames);
    finder.RemoveFromList(selectedNames);
}
