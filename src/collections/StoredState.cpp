#include "collections/StoredState.h"

#include "collections/StoredNames.h"

CStoredState::CStoredState(ISettingsStore& store, IProfileFile& collectionsFile, IFileLock& lock)
    : store(store), collectionsFile(collectionsFile), lock(lock), settings(store, collectionsFile)
{
}

std::unique_ptr<CSheetEdits> CStoredState::BeginEdits()
{
    CFileLockGuard held(&lock);
    settings.Reload();
    auto edits = std::make_unique<CSheetEdits>(settings, ReadCurrentName(store));
    edits->SetFileIdentity(collectionsFile.ReadIdentity());
    edits->SetStoredCollectionNames(ListCollectionNames(collectionsFile));
    edits->SetStoredSchedule(ReadSchedule(collectionsFile));
    return edits;
}

std::unique_ptr<CCollection> CStoredState::LoadCollection(const std::string& name, bool keepEveryEntry)
{
    auto collection = std::make_unique<CCollection>(name, collectionsFile);
    CFileLockGuard held(&lock);
    collection->Load(keepEveryEntry);
    return collection;
}

StoreFailures CStoredState::ApplyOptions(const ProgramOptions& edited)
{
    CFileLockGuard held(&lock);
    ProgramOptions original = settings.Values();
    return settings.Apply(original, edited);
}

StoreFailures CStoredState::RemoveEverything()
{
    CFileLockGuard held(&lock);
    StoreFailures failed;
    failed.collectionsFile = held.Refused();
    return failed.Any() ? failed : settings.RemoveAllStoredSettings();
}

CommitOutcome CStoredState::Commit(CSheetEdits& edits)
{
    CFileLockGuard held(&lock);
    CommitOutcome outcome;
    StoreFailures& failed = outcome.failed;
    if (held.Refused()) {
        failed.collectionsFile = true;
        return outcome;
    }
    if (edits.IsUninstallRequested()) {
        failed = settings.RemoveAllStoredSettings();
        return outcome;
    }

    // Only a difference is written to the file the sheet read; a file that
    // went, or came back as another copy, would keep none of what was not
    // changed.
    const std::string identity = collectionsFile.ReadIdentity();
    outcome.fileWasReplaced = !edits.GetFileIdentity().empty() && identity != edits.GetFileIdentity();
    // Every change of the collections file in one save, whole or not at all.
    FileChanges changes;
    for (const std::string& name : edits.DeletedCollections()) changes.push_back({name, true, {}});
    for (const auto& collection : edits.Collections()) {
        // One deleted and made again in this sheet is a new one, written whole.
        const bool whole = outcome.fileWasReplaced || edits.IsDeleted(collection->GetName());
        std::vector<KeyChange> keys = collection->ChangesToSave(whole ? SaveExtent::Everything : SaveExtent::Changes);
        if (!keys.empty()) changes.push_back({collection->GetName(), false, std::move(keys)});
    }
    // After the collections: a file written from nothing has them first and
    // the section of the folders last.
    ProgramOptions original = edits.original;
    if (outcome.fileWasReplaced) original.folders.clear();
    failed |= settings.Apply(original, edits.edited, changes);
    // The schedule is one list: changed here, it is written as the sheet
    // shows it over what the file holds now.
    const bool scheduleChanged = edits.schedule != edits.GetOriginalSchedule();
    if (scheduleChanged || (outcome.fileWasReplaced && !edits.schedule.empty()))
        changes.push_back({scheduleSection, false, ScheduleChanges(ReadSchedule(collectionsFile), edits.schedule)});
    const bool saved = collectionsFile.WriteChanges(changes);
    failed.collectionsFile = !saved;
    if (saved) {
        for (const auto& collection : edits.Collections()) collection->MarkSaved();
        edits.MarkScheduleSaved();
    }
    // The session must never be sent to a collection that is not there.
    const std::string& current = edits.GetCurrentName();
    bool currentStored = false;
    for (const std::string& name : saved ? ListCollectionNames(collectionsFile) : std::vector<std::string>())
        currentStored = currentStored || SameName(name, current);
    if (currentStored && current != edits.GetOriginalCurrentName() && !WriteCurrentName(store, current))
        failed.settingsStore = true;
    // A second OK after a failure still writes everything to a new file.
    if (!failed.collectionsFile) edits.SetFileIdentity(collectionsFile.ReadIdentity());
    return outcome;
}
