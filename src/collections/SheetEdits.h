// What one settings sheet changed, kept apart from what is stored until
// its OK: Cancel drops it all.
#pragma once
#include "collections/Collection.h"
#include "collections/Schedule.h"
#include "collections/Settings.h"

#include <memory>
#include <string>
#include <vector>

class CSheetEdits {
public:
    // Starts from the stored values of the moment.
    CSheetEdits(const CSettings& stored, std::string currentName);
    ~CSheetEdits();
    CSheetEdits(const CSheetEdits&) = delete;
    CSheetEdits& operator=(const CSheetEdits&) = delete;

    // The options as the sheet opened with them, and as its pages leave them.
    const ProgramOptions original;
    ProgramOptions edited;
    // Where the help page is: not edited, but every page's Help opens it.
    const std::string installFolder;

    // The collection that the session is to use.
    const std::string& GetCurrentName() const { return current; }
    const std::string& GetOriginalCurrentName() const { return originalCurrent; }
    void SetCurrentName(const std::string& name) { current = name; }

    // The collections the Collections page edited, each loaded once.
    CCollection* FindCollection(const std::string& name) const;
    CCollection& AddCollection(std::unique_ptr<CCollection> collection);
    // Forgets the collection's edits; OK removes its section. The rules of
    // the schedule that name it go too: their numbers, from 1, are returned.
    std::vector<size_t> DeleteCollection(const std::string& name);
    const std::vector<std::unique_ptr<CCollection>>& Collections() const { return collections; }
    const std::vector<std::string>& DeletedCollections() const { return deleted; }
    // Deleted in this sheet: a new collection of the name starts empty.
    bool IsDeleted(const std::string& name) const;

    // The collections the file held when the sheet read it.
    void SetStoredCollectionNames(std::vector<std::string> names) { storedNames = std::move(names); }
    // The collections the sheet shows now: the file's, less those deleted
    // here, then those made here.
    std::vector<std::string> CollectionNames() const;

    // The schedule's rules as the sheet read them, and as its page leaves them.
    void SetStoredSchedule(std::vector<ScheduleRule> rules);
    const std::vector<ScheduleRule>& GetOriginalSchedule() const { return originalSchedule; }
    std::vector<ScheduleRule> schedule;
    // The rules reached the file.
    void MarkScheduleSaved() { originalSchedule = schedule; }

    // The collections file as the sheet first read it ("" when there was none).
    const std::string& GetFileIdentity() const { return fileIdentity; }
    void SetFileIdentity(const std::string& identity) { fileIdentity = identity; }

    bool IsUninstallRequested() const { return uninstallRequested; }
    // Every stored setting goes when the sheet closes; with OK the resident
    // instance goes too and nothing starts it again.
    void RequestUninstall();

private:
    std::string originalCurrent;
    std::string current;
    std::vector<std::unique_ptr<CCollection>> collections;
    std::vector<std::string> deleted;
    std::vector<std::string> storedNames;
    std::vector<ScheduleRule> originalSchedule;
    bool uninstallRequested = false;
    std::string fileIdentity;
};
