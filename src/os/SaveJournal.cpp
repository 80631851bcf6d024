#include "os/SaveJournal.h"

#include "os/WholeFile.h"
#include "os/Win32FileSystem.h"

namespace {
// The record's first line says whether there was a file at all.
const std::string presentLine = "Tombolix save record: present\r\n";
const std::string absentLine = "Tombolix save record: absent\r\n";
}  // namespace

std::string CSaveJournal::UserRecordPath(const std::string& fileName)
{
    char appData[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("APPDATA", appData, sizeof appData);
    if (length == 0 || length >= sizeof appData) return "";
    return std::string(appData) + "\\Brackwen\\Tombolix2\\" + fileName + ".saving";
}

bool CSaveJournal::Record()
{
    std::string record;
    if (!PathExists(filePath)) {
        record = absentLine;
    } else {
        std::string bytes;
        if (!ReadPathWhole(filePath, bytes)) return false;
        record = presentLine + bytes;
    }
    // Its two folders are made at a save, not at every start.
    const std::string folder = recordPath.substr(0, recordPath.rfind('\\'));
    CreateDirectoryA(folder.substr(0, folder.rfind('\\')).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    // Written beside and then renamed: a record is there whole or not at all.
    const std::string newRecord = recordPath + ".new";
    if (!WritePathWhole(newRecord, record)) {
        DeleteFileA(newRecord.c_str());
        return false;
    }
    return MoveFileExA(newRecord.c_str(), recordPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void CSaveJournal::Discard()
{
    DeleteFileA(recordPath.c_str());
}

bool CSaveJournal::RestoreIfCutOff()
{
    // A record cut off while it was made: the file itself was not touched yet.
    DeleteFileA((recordPath + ".new").c_str());
    std::string record;
    if (!ReadPathWhole(recordPath, record)) return false;
    bool restored = false;
    if (record.compare(0, absentLine.size(), absentLine) == 0) {
        restored = DeleteFileA(filePath.c_str()) || !PathExists(filePath);
    } else if (record.compare(0, presentLine.size(), presentLine) == 0) {
        restored = WritePathWhole(filePath, record.substr(presentLine.size()));
    } else {
        Discard();   // not a record of a save: nothing to put back
    }
    // Kept until the file is back: the next start tries again.
    if (restored) Discard();
    return restored;
}
