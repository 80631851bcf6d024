#include "collections/SheetEdits.h"

#include "collections/StoredNames.h"

#include <algorithm>

CSheetEdits::CSheetEdits(const CSettings& stored, std::string currentName)
    : original(stored.Values()), edited(stored.Values()), installFolder(stored.GetInstallFolder()), originalCurrent(currentName), current(std::move(currentName))
{
}

CSheetEdits::~CSheetEdits() = default;

CCollection* CSheetEdits::FindCollection(const std::string& name) const
{
    for (const auto& collection : collections)
        if (SameName(collection->GetName(), name)) return collection.get();
    return nullptr;
}

CCollection& CSheetEdits::AddCollection(std::unique_ptr<CCollection> collection)
{
    collections.push_back(std::move(collection));
    return *collections.back();
}

void CSheetEdits::DeleteCollection(const std::string& name)
{
    collections.erase(std::remove_if(collections.begin(), collections.end(),
                                     [&](const auto& collection) { return SameName(collection->GetName(), name); }),
                      collections.end());
    if (!IsDeleted(name)) deleted.push_back(name);
}

bool CSheetEdits::IsDeleted(const std::string& name) const
{
    return std::any_of(deleted.begin(), deleted.end(), [&](const std::string& gone) { return SameName(gone, name); });
}

void CSheetEdits::RequestUninstall()
{
    edited.useTray = false;
    edited.autoStart = false;
    uninstallRequested = true;
}
