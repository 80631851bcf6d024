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
    return std::make_unique<CSheetEdits>(settings, ReadCurrentName(store));
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

StoreFailures CStoredState::Commit(CSheetEdits& edits)
{
    CFileLockGuard held(&lock);
    StoreFailures failed;
    if (held.Refused()) {
        failed.collectionsFile = true;
        return failed;
    }
    if (edits.IsUninstallRequested()) return settings.RemoveAllStoredSettings();

    failed |= settings.Apply(edits.original, edits.edited.Values());
    for (const std::string& name : edits.DeletedCollections()) {
        CCollection gone(name, collectionsFile);
        if (!gone.DeleteFromFile()) failed.collectionsFile = true;
    }
    bool currentStored = false;
    for (const auto& collection : edits.Collections()) {
        bool saved = collection->Save();
        if (!saved) failed.collectionsFile = true;
        if (saved && SameName(collection->GetName(), edits.GetCurrentName())) currentStored = true;
    }
    // The session must never be sent to a collection that is not there.
    const std::string& current = edits.GetCurrentName();
    if (currentStored && current != edits.GetOriginalCurrentName() && !WriteCurrentName(store, current))
        failed.settingsStore = true;
    return failed;
}
