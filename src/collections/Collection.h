// A named collection of screen savers: one section of the collections file.
#pragma once
#include "collections/SaverEntry.h"
#include "collections/UninstallState.h"
#include "os/ProfileFile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CRandom;

// Entries in plain byte order of their names: "Zebra" before "aquarium".
using SaverEntries = std::map<std::string, CSaverEntry>;

class CCollection {
public:
    // Every collection answers to the run's uninstall request: once it is
    // made, Save and DeleteFromFile leave the file alone.
    CCollection(std::string name, IProfileFile& file, const IUninstallState& uninstall);
    virtual ~CCollection() = default;

    const std::string& GetName() const { return name; }
    int32_t GetCount() const { return count; }
    float GetTotalWeight() const { return totalWeight; }
    bool GetCycle() const { return cycle; }
    void SetCycle(bool value) { cycle = value; }
    int32_t GetNextToUse() const { return nextToUse; }
    void SetNextToUse(int32_t value) { nextToUse = value; }
    const SaverEntries& GetEntries() const { return entries; }

    // Reads the section; without keepEveryEntry only selected entries stay.
    void Load(bool keepEveryEntry);
    // Writes every available entry, removes the keys of the others.
    void Save();
    void DeleteFromFile();
    void ForgetEntry(const CSaverEntry& entry);

    // The entry of exactly this name, created with the defaults if missing.
    CSaverEntry& FindOrAdd(const std::string& entryName);
    void ClearSelection();
    // The entries whose screen saver was not found leave this object, not
    // the file: Save then leaves their keys as they are.
    void LeaveUnavailableEntriesAlone();
    void CopyLevelAndDuration(const CSaverEntry& source);

    // The next screen saver: in list order, or drawn by weight; none when
    // the collection is empty.
    CSaverEntry* ChooseNext(CRandom& random);
    // The entry that the draw r (0 to 1) picks by weight.
    CSaverEntry* PickByWeight(float r);

private:
    CSaverEntry* ChooseInOrder();

    std::string name;
    float totalWeight = 0;
    bool cycle = false;
    int32_t nextToUse = 0;
    SaverEntries entries;
    int32_t count = 0;

    IProfileFile& file;
    const IUninstallState& uninstall;
};

// Names whose first 8 characters are exactly "Tombolix" belong to the
// program: keys of its own and its own screen-saver files.
bool IsReservedName(const std::string& name);

// The section of the extra folders, whatever the letter case: the profile
// functions would take a collection of that name for it.
bool IsInternalSection(const std::string& name);

// The collection names of the file in file order, without the internal section.
std::vector<std::string> ListCollectionNames(IProfileFile& file);
