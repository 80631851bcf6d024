#include "collections/Collection.h"

#include "base/Random.h"
#include "collections/StoredNames.h"
#include "base/TextPieces.h"

#include <algorithm>
#include <tuple>

namespace {
bool HasSection(IProfileFile& file, const std::string& name)
{
    for (const std::string& section : file.ReadSectionNames())
        if (SameName(section, name)) return true;
    return false;
}

const char* const cycleKey = "TombolixCycle";
const char* const nextToUseKey = "TombolixNextToUse";

// The profile functions read "tombolixcycle" as the cycle flag.
bool IsOwnKey(const std::string& key)
{
    return SameName(key, cycleKey) || SameName(key, nextToUseKey);
}
}  // namespace

CCollection::CCollection(std::string name, IProfileFile& file) : name(std::move(name)), file(file) {}

void CCollection::Load(bool keepEveryEntry)
{
    totalWeight = 0;
    count = 0;
    int32_t position = 0;
    bool hasCycle = false, hasNextToUse = false;
    inFileAtLoad = HasSection(file, name);
    for (const auto& [key, value] : file.ReadSection(name)) {
        int32_t filePosition = position++;
        // The profile functions take every spelling of a name for its first.
        if (!fileSpellings.emplace(LowerCase(key), key).second) continue;
        hasCycle = hasCycle || SameName(key, cycleKey);
        hasNextToUse = hasNextToUse || SameName(key, nextToUseKey);
        if (!CSaverEntry::IsEntryValue(value) || !IsOfferedSaverName(key) || IsOwnKey(key)) continue;
        CSaverEntry entry(key);
        entry.DecodeEntry(value);
        if (!keepEveryEntry && !entry.IsSelected()) continue;
        // Stored as the program writes it: a remark after the numbers, or
        // numbers written otherwise, is no change to write back.
        entry.SetStored(filePosition, entry.EncodeEntry());
        totalWeight += static_cast<float>(entry.Weight());
        ++count;
        entries.emplace(key, entry);
    }
    // Read as numbers the way the profile functions read them ("0x10" too).
    cycle = file.ReadInt(name, cycleKey, 0) != 0;
    nextToUse = file.ReadInt(name, nextToUseKey, 0);
    if (hasCycle) storedCycle = cycle ? 1 : 0;
    if (hasNextToUse) storedNextToUse = nextToUse;
}

bool CCollection::ChangedHere(const CSaverEntry& entry)
{
    const std::string& baseline = entry.GetFilePosition() >= 0 || !entry.GetStoredValue().empty()
                                      ? entry.GetStoredValue()
                                      : entry.EncodeDefault();
    return entry.EncodeEntry() != baseline;
}

std::vector<KeyChange> CCollection::ChangesToSave(SaveExtent extent)
{
    const bool whole = extent == SaveExtent::Everything;
    // The file as it is now: another sheet may have written or deleted
    // since the load.
    std::map<std::string, std::string> listedNow;
    for (const std::string& key : file.ReadKeyNames(name)) listedNow.emplace(LowerCase(key), key);
    std::vector<KeyChange> changes;
    bool changedHere = false;
    // Removals first: the file's keys ignore letter case, so removing an
    // unfound "clock" after writing the found "Clock" would remove both.
    for (auto& [entryName, entry] : entries)
        if (!entry.IsAvailable() && !entry.IsKept() && entry.GetFilePosition() >= 0)
            changes.push_back({entryName, std::nullopt});
    for (auto& [entryName, entry] : entries) {
        if (!entry.IsAvailable() && !entry.IsKept()) continue;
        const bool changed = ChangedHere(entry);
        changedHere = changedHere || changed;
        if (whole || changed || (entry.IsAvailable() && !listedNow.count(LowerCase(entryName))))
            changes.push_back({entryName, entry.EncodeEntry()});
    }
    // Compared as numbers: "01" stays as the user wrote it.
    const int32_t cycleValue = cycle ? 1 : 0;
    changedHere = changedHere || cycleValue != storedCycle.value_or(0);
    if (!whole && inFileAtLoad && !changedHere && !HasSection(file, name)) return {};
    if (whole || storedCycle != cycleValue) changes.push_back({cycleKey, FormatDecimal(cycleValue)});
    // A restart compares with the file as it is now: a session may have
    // moved the position on since the load.
    const bool positionDiffers = cycleRestarted ? file.ReadInt(name, nextToUseKey, -1) != nextToUse
                                                : storedNextToUse != nextToUse;
    if (whole || positionDiffers) changes.push_back({nextToUseKey, FormatDecimal(nextToUse)});
    return changes;
}

void CCollection::MarkSaved()
{
    for (auto& [entryName, entry] : entries) {
        if (!entry.IsAvailable() && !entry.IsKept()) entry.SetStored(-1, "");
        else entry.SetStoredValue(entry.EncodeEntry());
    }
    storedCycle = cycle ? 1 : 0;
    storedNextToUse = nextToUse;
    cycleRestarted = false;
    inFileAtLoad = true;
}

bool CCollection::Save(SaveExtent extent)
{
    // One write: all of it reached the file, or none of it counts as stored.
    if (!file.WriteKeys(name, ChangesToSave(extent))) return false;
    MarkSaved();
    return true;
}

bool CCollection::DeleteFromFile()
{
    return file.DeleteSection(name);
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

void CCollection::MarkFound(const std::string& entryName)
{
    auto found = entries.find(entryName);
    if (found == entries.end()) {
        CSaverEntry entry(entryName);
        // The key of the file's spelling takes the found one's value: the
        // profile functions take both spellings for one key.
        auto spelling = fileSpellings.find(LowerCase(entryName));
        if (spelling != fileSpellings.end()) {
            auto other = entries.find(spelling->second);
            if (other != entries.end() && !other->second.IsAvailable()) {
                entry.SetLevel(other->second.GetLevel());
                entry.SetDuration(other->second.GetDuration());
                entry.SetSelected(other->second.IsSelected());
                entry.SetOrder(other->second.GetOrder());
                entry.SetStored(other->second.GetFilePosition(), other->second.GetStoredValue());
                entries.erase(other);
            }
            fileSpellings.erase(spelling);
        }
        found = entries.emplace(entryName, entry).first;
    }
    found->second.SetAvailable(true);
}

void CCollection::KeepUnfoundEntries()
{
    for (auto& [entryName, entry] : entries)
        if (!entry.IsAvailable()) entry.SetKept(true);
}

template <typename Filter>
std::vector<CSaverEntry*> CCollection::SelectedByOrder(Filter filter) const
{
    std::vector<CSaverEntry*> selected;
    for (const auto& [entryName, entry] : entries)
        if (entry.IsSelected() && filter(entry)) selected.push_back(const_cast<CSaverEntry*>(&entry));
    std::stable_sort(selected.begin(), selected.end(), [](const CSaverEntry* a, const CSaverEntry* b) {
        return std::make_tuple(a->GetOrder(), a->GetFilePosition()) <
               std::make_tuple(b->GetOrder(), b->GetFilePosition());
    });
    return selected;
}

namespace {
std::vector<std::string> NamesOf(const std::vector<CSaverEntry*>& entries)
{
    std::vector<std::string> names;
    for (const CSaverEntry* entry : entries) names.push_back(entry->GetName());
    return names;
}
}  // namespace

std::vector<std::string> CCollection::ListSelectedInOrder() const
{
    return NamesOf(SelectedByOrder([](const CSaverEntry& e) { return e.IsAvailable(); }));
}

std::vector<std::string> CCollection::ListEverySelectedInOrder() const
{
    return NamesOf(SelectedByOrder([](const CSaverEntry&) { return true; }));
}

void CCollection::SetSelection(const std::vector<std::string>& selectedNames, bool cycleInOrder)
{
    auto isKept = [](const CSaverEntry& e) { return e.IsKept() && !e.IsAvailable(); };
    std::vector<CSaverEntry*> kept = SelectedByOrder(isKept);

    ClearSelection();
    int32_t order = 0;
    for (const std::string& selectedName : selectedNames) {
        CSaverEntry& entry = FindOrAdd(selectedName);
        entry.SetSelected(true);
        entry.SetOrder(order++);
        // A name that the Folders page listed after the load was found on
        // disk all the same.
        entry.SetAvailable(true);
    }
    for (CSaverEntry* entry : kept) {
        entry->SetSelected(true);
        entry->SetOrder(order++);
    }
    cycle = cycleInOrder;
    // Cycling starts again at the top, also over a position that a session
    // wrote since the load.
    nextToUse = 0;
    cycleRestarted = true;
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
    std::map<std::string, std::string> seen;
    // A name written twice is one collection: the profile functions read its first copy.
    for (std::string& section : file.ReadSectionNames())
        if (!IsInternalSection(section) && seen.emplace(LowerCase(section), section).second) names.push_back(std::move(section));
    return names;
}

void CCollection::WithdrawFromDraw(const std::string& entryName)
{
    auto found = entries.find(entryName);
    if (found == entries.end() || !found->second.IsSelected()) return;
    found->second.SetSelected(false);
    totalWeight -= static_cast<float>(found->second.Weight());
}
