// The one owner of what the program stores: the options, the folder list,
// the collections and the name of the current one. The sheets and the
// session go through it; a sheet's changes are applied, under the
// collections file's lock, to what is stored at that moment.
#pragma once
#include "collections/Collection.h"
#include "collections/Settings.h"
#include "collections/SheetEdits.h"
#include "os/FileLock.h"
#include "os/ProfileFile.h"
#include "os/SettingsStore.h"

#include <memory>
#include <string>
#include <vector>

struct CommitOutcome {
    StoreFailures failed;
    // The collections file was gone or another one when the sheet was confirmed.
    bool fileWasReplaced = false;
};

class CStoredState {
public:
    CStoredState(ISettingsStore& store, IProfileFile& collectionsFile, IFileLock& lock);

    CSettings& GetSettings() { return settings; }
    ISettingsStore& GetSettingsStore() { return store; }
    IProfileFile& GetCollectionsFile() { return collectionsFile; }

    // What a new sheet starts from: everything as stored now.
    std::unique_ptr<CSheetEdits> BeginEdits();
    // The collection as stored now: every entry for the Collections page,
    // the selected ones for the session.
    std::unique_ptr<CCollection> LoadCollection(const std::string& name, bool keepEveryEntry);
    // Writes the options that edited changes from what is stored in memory
    // now, over what the store holds.
    StoreFailures ApplyOptions(const ProgramOptions& edited);
    // Writes what the sheet changed: the options and folders that differ
    // from what it opened with, the sections it deleted, the entries it
    // changed, then the current name, once its collection is in the file.
    // A collections file deleted or replaced since the sheet read it gets
    // all that the sheet shows of its collections and folders instead.
    // After the uninstall request, removes every stored setting instead.
    CommitOutcome Commit(CSheetEdits& edits);
    // Every stored setting goes: the sheet that asked for it was cancelled.
    StoreFailures RemoveEverything();

private:
    ISettingsStore& store;
    IProfileFile& collectionsFile;
    IFileLock& lock;
    CSettings settings;
};
