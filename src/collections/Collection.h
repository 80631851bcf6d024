// A named collection of screen savers: one section of the collections file.
#pragma once
#include "collections/SaverEntry.h"
#include "os/ProfileFile.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CRandom;

// What a save writes: what changed since the load, or, for a file that is
// no longer the one loaded, everything the collection holds.
enum class SaveExtent { Changes, Everything };

// Entries in plain byte order of their names: "Zebra" before "aquarium".
using SaverEntries = std::map<std::string, CSaverEntry>;

class CCollection {
public:
    CCollection(std::string name, IProfileFile& file);
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
    // Keys that are no screen saver the program may start, or whose value
    // is not an entry's, are left out, and so is every later spelling of a
    // key, which the profile functions never read.
    void Load(bool keepEveryEntry);
    // What a save writes now, judged against the file as it is (Changes):
    // the entries whose values changed here, the available ones that the
    // file does not list, the cycle when it changed and the position when
    // it changed or the selection was set; the keys of the entries neither
    // found nor kept go. A collection that was in the file at the load and
    // is not now (another sheet deleted it) gets nothing unless something
    // of it changed here. Everything: all of it, for a file that is no
    // longer the one loaded.
    std::vector<KeyChange> ChangesToSave(SaveExtent extent);
    // The changes reached the file.
    void MarkSaved();
    // The changes, written. False when the write did not reach the file.
    bool Save(SaveExtent extent = SaveExtent::Changes);
    bool DeleteFromFile();
    void ForgetEntry(const CSaverEntry& entry);

    // The entry of exactly this name, created with the defaults if missing.
    CSaverEntry& FindOrAdd(const std::string& entryName);
    void ClearSelection();
    // The screen saver was found on disk under this spelling. An entry that
    // the file spells otherwise (letter case) hands its values over, so that
    // the selection survives the new spelling.
    void MarkFound(const std::string& entryName);
    // The entries not found may be on a drive that is offline: they keep
    // their keys and their selection.
    void KeepUnfoundEntries();
    // The selected entries that were found, in the order of the list of
    // selected screen savers: by order number, ties in file order.
    std::vector<std::string> ListSelectedInOrder() const;
    // Every selected entry in the same order, found or not.
    std::vector<std::string> ListEverySelectedInOrder() const;
    // Takes selection and order from the list of selected screen savers: the
    // listed ones get the positions 0 to n - 1, the kept selected ones the
    // positions after them in their old order. Cycling starts at the top
    // again: the next save writes position 0.
    void SetSelection(const std::vector<std::string>& selectedNames, bool cycleInOrder);
    void CopyLevelAndDuration(const CSaverEntry& source);

    // The next screen saver: in list order, or drawn by weight; none when
    // the collection is empty.
    CSaverEntry* ChooseNext(CRandom& random);
    // The entry that the draw r (0 to 1) picks by weight.
    CSaverEntry* PickByWeight(float r);

    // Leaves the entry out of the draw by weight from now on: it counts as
    // not selected and its weight leaves the total. Only in memory; the
    // file keeps the user's selection.
    void WithdrawFromDraw(const std::string& entryName);

private:
    CSaverEntry* ChooseInOrder();
    // The entry's value differs from the one it had when it was read,
    // found or last written.
    static bool ChangedHere(const CSaverEntry& entry);
    // Selected entries passing the filter, by order number, ties in file order.
    template <typename Filter>
    std::vector<CSaverEntry*> SelectedByOrder(Filter filter) const;

    std::string name;
    float totalWeight = 0;
    bool cycle = false;
    int32_t nextToUse = 0;
    SaverEntries entries;
    int32_t count = 0;
    // The numbers the file held for the cycle flag and the position.
    std::optional<int32_t> storedCycle;
    std::optional<int32_t> storedNextToUse;
    bool cycleRestarted = false;
    // The section was in the file at the load.
    bool inFileAtLoad = false;
    // The loaded keys by their lower-case spelling.
    std::map<std::string, std::string> fileSpellings;

    IProfileFile& file;
};

// The collection names of the file in file order, each once under its first
// spelling, without the internal section.
std::vector<std::string> ListCollectionNames(IProfileFile& file);
