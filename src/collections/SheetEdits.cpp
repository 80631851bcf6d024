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

std::vector<size_t> CSheetEdits::DeleteCollection(const std::string& name)
{
    collections.erase(std::remove_if(collections.begin(), collections.end(),
                                     [&](const auto& collection) { return SameName(collection->GetName(), name); }),
                      collections.end());
    if (!IsDeleted(name)) deleted.push_back(name);
    std::vector<size_t> removedRules;
    std::vector<ScheduleRule> kept;
    for (size_t i = 0; i < schedule.size(); ++i) {
        if (schedule[i].unreadable.empty() && SameName(schedule[i].collection, name)) removedRules.push_back(i + 1);
        else kept.push_back(schedule[i]);
    }
    schedule = std::move(kept);
    return removedRules;
}

std::vector<std::string> CSheetEdits::CollectionNames() const
{
    std::vector<std::string> names;
    auto listed = [&](const std::string& name) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& other) { return SameName(other, name); });
    };
    for (const std::string& name : storedNames)
        if (!IsDeleted(name)) names.push_back(name);
    for (const auto& collection : collections)
        if (!listed(collection->GetName())) names.push_back(collection->GetName());
    return names;
}

void CSheetEdits::SetStoredSchedule(std::vector<ScheduleRule> rules)
{
    originalSchedule = rules;
    schedule = std::move(rules);
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
