// The program's options (per user, in the settings store) and the list of
// extra folders searched for screen savers (in the collections file).
#pragma once
#include "os/ProfileFile.h"
#include "os/SettingsStore.h"

#include <cstdint>
#include <string>
#include <vector>

// The values themselves, as one sheet edits them.
struct ProgramOptions {
    std::vector<std::string> folders;
    bool useTray = true;
    bool autoStart = true;
    bool showToolTips = true;
    bool useBlanker = false;
    bool passwordOverride = false;
    // With two or more monitors, a screen saver of the collection on each.
    bool saverPerMonitor = true;
    std::string blankerName = "Blank Screen";
    int blankerMinutes = 120;
    // The schedule's rules pick the collection when one holds.
    bool followSchedule = false;
    // At random, never the screen saver just shown in the same place.
    bool noImmediateRepeat = false;
};

// The values that the user may type for a number option; a stored value
// outside them is kept until the user changes it.
struct NumberRange {
    int32_t minimum;
    int32_t maximum;
};
NumberRange RangeOf(int ProgramOptions::*number);

// Which of the two stores a write could not reach.
struct StoreFailures {
    bool collectionsFile = false;
    bool settingsStore = false;

    bool Any() const { return collectionsFile || settingsStore; }
    StoreFailures& operator|=(const StoreFailures& other)
    {
        collectionsFile = collectionsFile || other.collectionsFile;
        settingsStore = settingsStore || other.settingsStore;
        return *this;
    }
};

class CSettings {
public:
    // Reads every value at once.
    CSettings(ISettingsStore& store, IProfileFile& collectionsFile);
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;
    virtual ~CSettings();

    const ProgramOptions& Values() const { return values; }

    // Values no store holds any more, for the rest of the process.
    void HoldInMemory(const ProgramOptions& inEffect) { values = inEffect; }
    // In UTF-8, with its final backslash.
    const std::string& GetInstallFolder() const { return installFolder; }

    // Every value again, as stored now.
    void Reload();
    // Reads what is stored now and writes over it only the values that
    // edited changes from original; the folders added and removed join the
    // stored list. The values are then those stored.
    StoreFailures Apply(const ProgramOptions& original, ProgramOptions edited);
    // The same, with the change of the folder list added to the file's
    // changes of a larger save rather than written.
    StoreFailures Apply(const ProgramOptions& original, ProgramOptions edited, FileChanges& fileChanges);
    void ReadFolders();
    // Deletes the stored options and the collections file.
    StoreFailures RemoveAllStoredSettings();

private:
    ISettingsStore& store;
    IProfileFile& collectionsFile;

    ProgramOptions values;
    std::string installFolder;
};

// The name of the collection that the session uses.
std::string ReadCurrentName(ISettingsStore& store);
bool WriteCurrentName(ISettingsStore& store, const std::string& name);
