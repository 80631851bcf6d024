#include "os/SaveJournal.h"

#include "base/TextPieces.h"
#include "os/WholeFile.h"
#include "os/Win32FileSystem.h"

namespace {
// Unique enough to tell two records of one user apart: the time, the
// process and the counter.
std::string NewRecordId()
{
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return FormatHex((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) + "-" +
           FormatHex(GetCurrentProcessId()) + "-" + FormatHex(static_cast<uint64_t>(counter.QuadPart));
}

bool IsGone(const std::string& path)
{
    return DeleteFileA(path.c_str()) || !PathExists(path);
}
}  // namespace

std::string CSaveJournal::UserRecordPath(const std::string& fileName)
{
    char appData[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("APPDATA", appData, sizeof appData);
    if (length == 0 || length >= sizeof appData) return "";
    return std::string(appData) + "\\Brackwen\\Tombolix2\\" + fileName + ".saving";
}

bool CSaveJournal::Record(const std::optional<std::string>& before, const std::string& after)
{
    if (recordPath.empty()) return false;
    // A record that is there still (held open, so never deleted) is not
    // overwritten by another one.
    if (PathExists(recordPath) && !IsGone(recordPath)) return false;
    IsGone(VoidMarkPath());
    recordId = NewRecordId();
    const std::string record = FormatSaveRecord(MakeSaveRecord(recordId, before, after));
    // Its two folders are made at a save, not at every start.
    const std::string folder = recordPath.substr(0, recordPath.rfind('\\'));
    CreateDirectoryA(folder.substr(0, folder.rfind('\\')).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    // Written beside and then renamed: a record is there whole or not at all.
    if (!WritePathWhole(NewRecordPath(), record)) {
        DeleteFileA(NewRecordPath().c_str());
        return false;
    }
    return MoveFileExA(NewRecordPath().c_str(), recordPath.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

void CSaveJournal::Discard()
{
    if (recordPath.empty()) return;
    if (IsGone(recordPath)) {
        IsGone(VoidMarkPath());
        return;
    }
    std::string record;
    std::optional<SaveRecord> parsed;
    if (ReadPathWhole(recordPath, record)) parsed = ParseSaveRecord(record);
    WritePathWhole(VoidMarkPath(), parsed ? parsed->id : recordId);
}

bool CSaveJournal::RestoreIfCutOff()
{
    if (recordPath.empty()) return false;
    // A record cut off while it was made: the file itself was not touched yet.
    DeleteFileA(NewRecordPath().c_str());
    std::string bytes;
    if (!ReadPathWhole(recordPath, bytes)) {
        if (!PathExists(recordPath)) IsGone(VoidMarkPath());
        return false;
    }
    std::optional<SaveRecord> record = ParseSaveRecord(bytes);
    std::string voidedId;
    const bool voided = record && ReadPathWhole(VoidMarkPath(), voidedId) && voidedId == record->id;
    std::optional<std::string> now;
    if (std::string text; ReadPathWhole(filePath, text)) now = std::move(text);
    else if (PathExists(filePath)) return false;   // not readable now: tried again later
    const bool putBack = record && !voided && MustPutBack(*record, now);
    bool restored = false;
    if (putBack) {
        restored = record->before ? WritePathWhole(filePath, *record->before) : IsGone(filePath);
        // Kept until the file is back: the next start tries again.
        if (!restored) return false;
    }
    Discard();
    return restored;
}

void CSaveJournal::Forget()
{
    Discard();
    // The folders go with their last record; anything else in them stays.
    const std::string folder = recordPath.substr(0, recordPath.rfind('\\'));
    if (folder.empty() || !RemoveDirectoryA(folder.c_str())) return;
    RemoveDirectoryA(folder.substr(0, folder.rfind('\\')).c_str());
}
