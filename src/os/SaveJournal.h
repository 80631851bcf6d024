// What makes a save of a file whole or not at all: the file's bytes as they
// were are recorded elsewhere before the save and dropped after it. A record
// still there means a save was cut off (a crash, a kill, a full disk); the
// file is then put back as it was. The record lives in the user's own
// profile, since the Windows folder lets a standard user change the
// collections file but not create files beside it.
#pragma once
#include <string>

class CSaveJournal {
public:
    CSaveJournal(std::string filePath, std::string recordPath)
        : filePath(std::move(filePath)), recordPath(std::move(recordPath)) {}

    // Where the user's record of the file goes: in the user's application
    // data; "" where there is none.
    static std::string UserRecordPath(const std::string& fileName);

    // Puts back a file that a save left cut off; true when there was one.
    bool RestoreIfCutOff();
    // Records the file as it is now, before a save; false when the record
    // could not be made.
    bool Record();
    // The save is done: the record goes.
    void Discard();

private:
    std::string filePath;
    std::string recordPath;
};
