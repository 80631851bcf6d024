// What makes a save of a file whole or not at all. Before the save, the
// file's bytes as they were, and the size and hash of what the save writes,
// are recorded elsewhere; after it, the record goes. A record still there
// at the next start or save puts the file back only while the file is in a
// state that save could have left it in (see SaveRecord.h). The record
// lives in the user's own profile, since the Windows folder lets a standard
// user change the collections file but not create files beside it.
#pragma once
#include "os/SaveRecord.h"

#include <optional>
#include <string>

class CSaveJournal {
public:
    // recordPath "" makes a journal that can record nothing: every save
    // through it is refused.
    CSaveJournal(std::string filePath, std::string recordPath)
        : filePath(std::move(filePath)), recordPath(std::move(recordPath)) {}

    // Where the user's record of the file goes: in the user's application
    // data; "" where there is none.
    static std::string UserRecordPath(const std::string& fileName);

    // Puts back a file that a save left cut off; true when it did. A record
    // that must not act is dropped.
    bool RestoreIfCutOff();
    // Records the file's bytes (none: no file) before a save that writes
    // after; false when the record could not be made whole, and the save
    // must not go ahead.
    bool Record(const std::optional<std::string>& before, const std::string& after);
    // The save is done: the record goes. One that cannot go (another
    // program holds it open) is marked void, so that it never acts.
    void Discard();
    // The file went for good: its record goes too, with the record's
    // folders if nothing else is in them.
    void Forget();

private:
    std::string VoidMarkPath() const { return recordPath + ".void"; }
    std::string NewRecordPath() const { return recordPath + ".new"; }

    std::string filePath;
    std::string recordPath;
    // The id of the record this process made last.
    std::string recordId;
};
