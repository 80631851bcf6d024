#include "collections/Collection.h"

#include "app/Random.h"
#include "collections/TextPieces.h"

namespace {
constexpr size_t nameListSize = 16384;
constexpr size_t valueSize = 512;
const char* const cycleKey = "TombolixCycle";
const char* const nextToUseKey = "TombolixNextToUse";
const char* const internalSection = "TombolixInternal";
}  // namespace

bool IsReservedName(const std::string& name)
{
    return name.compare(0, 8, "Tombolix") == 0;
}

bool IsInternalSection(const std::string& name)
{
    return LowerCase(name) == LowerCase(internalSection);
}

CCollection::CCollection(std::string name, IProfileFile& file, const IUninstallState& uninstall)
    : name(std::move(name)), file(file), uninstall(uninstall)
{
}

void CCollection::Load(bool keepEveryEntry)
{
    totalWeight = 0;
    count = 0;
    for (const std::string& key : file.ReadKeyNames(name, nameListSize)) {
        std::string value = file.ReadString(name, key, "", valueSize);
        if (value.empty() || IsReservedName(key)) continue;
        CSaverEntry entry(key);
        entry.DecodeEntry(value);
        if (!keepEveryEntry && !entry.IsSelected()) continue;
        totalWeight += static_cast<float>(entry.Weight());
        ++count;
        entries.emplace(key, entry);
    }
    cycle = file.ReadInt(name, cycleKey, 0) != 0;
    nextToUse = file.ReadInt(name, nextToUseKey, 0);
}

void CCollection::Save()
{
    if (uninstall.IsUninstallRequested()) return;
    // Removals first: the file's keys ignore letter case, so removing an
    // unfound "clock" after writing the found "Clock" would remove both.
    for (const auto& [entryName, entry] : entries)
        if (!entry.IsAvailable()) file.DeleteKey(name, entryName);
    for (const auto& [entryName, entry] : entries)
        if (entry.IsAvailable()) file.WriteString(name, entryName, entry.EncodeEntry());
    file.WriteString(name, cycleKey, FormatDecimal(cycle ? 1 : 0));
    file.WriteString(name, nextToUseKey, FormatDecimal(nextToUse));
}

void CCollection::DeleteFromFile()
{
    if (uninstall.IsUninstallRequested()) return;
    file.DeleteSection(name);
}

void CCollection::ForgetEntry(const CSaverEntry& entry)
{
    file.DeleteKey(name, entry.GetName());
}

CSaverEntry& CCollection::FindOrAdd(const std::string& entryName)
{
    return entries.try_emplace(entryName, entryName).first->second;
}

void CCollection::ClearSelection()
{
    for (auto& [entryName, entry] : entries) entry.SetSelected(false);
}

void CCollection::LeaveUnavailableEntriesAlone()
{
    for (auto entry = entries.begin(); entry != entries.end();)
        entry = entry->second.IsAvailable() ? std::next(entry) : entries.erase(entry);
}

void CCollection::CopyLevelAndDuration(const CSaverEntry& source)
{
    // Copied first: the source is one of the entries it overwrites.
    int32_t level = source.GetLevel();
    int32_t duration = source.GetDuration();
    for (auto& [entryName, entry] : entries) {
        entry.SetLevel(level);
        entry.SetDuration(duration);
    }
}

CSaverEntry* CCollection::ChooseNext(CRandom& random)
{
    if (cycle) return ChooseInOrder();
    return PickByWeight(random.Uniform());
}

CSaverEntry* CCollection::ChooseInOrder()
{
    if (entries.empty()) return nullptr;
    // The entry at the position, else the last one; the position moves on
    // either way.
    CSaverEntry* result = nullptr;
    for (auto& [entryName, entry] : entries) {
        result = &entry;
        if (entry.IsSelected() && entry.GetOrder() == nextToUse) break;
    }
    // Without a count from the load (entries added later) the cycle runs
    // over the whole map rather than dividing by zero.
    int32_t length = count != 0 ? count : static_cast<int32_t>(entries.size());
    nextToUse = static_cast<int32_t>((static_cast<int64_t>(nextToUse) + 1) % length);
    file.WriteString(name, nextToUseKey, FormatDecimal(nextToUse));
    return result;
}

CSaverEntry* CCollection::PickByWeight(float r)
{
    CSaverEntry* result = nullptr;
    float runningSum = 0;
    for (auto& [entryName, entry] : entries) {
        result = &entry;
        if (!entry.IsSelected() || totalWeight == 0) continue;
        runningSum = static_cast<float>(runningSum + static_cast<double>(entry.Weight()));
        if (static_cast<double>(runningSum) / totalWeight > r) break;
    }
    return result;
}

std::vector<std::string> ListCollectionNames(IProfileFile& file)
{
    std::vector<std::string> names;
    for (std::string& section : file.ReadSectionNames(nameListSize))
        if (section != internalSection) names.push_back(std::move(section));
    return names;
}
