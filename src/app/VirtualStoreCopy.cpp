#include "app/VirtualStoreCopy.h"

#include "os/PrivateProfileFile.h"
#include "os/SettingsStore.h"
#include "os/Win32FileSystem.h"

#include <windows.h>

#ifdef _WIN64
namespace {
const char* const adoptedValue = "VirtualStoreAdopted";

// The variable names the user's local data folder on every Windows that has
// a VirtualStore; the shell's function would load the shell at each start
// of a session.
std::string CopyPath()
{
    char localData[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", localData, sizeof localData);
    const std::string windows = GetWindowsFolder();
    if (length == 0 || length >= sizeof localData || windows.find('\\') == std::string::npos) return "";
    return std::string(localData) + "\\VirtualStore" + windows.substr(windows.find('\\')) + "\\Tombolix2.ini";
}

}  // namespace

void AdoptVirtualStoreCopy(CPrivateProfileFile& shared, ISettingsStore& store)
{
    const std::string copy = CopyPath();
    if (copy.empty() || !PathExists(copy) || store.ReadInt("Config", adoptedValue, 0) != 0) return;
    // One decision under the lock: the file is shared by every user.
    bool decided = false;
    if (!shared.ReadSectionNames().empty()) {
        decided = true;   // the shared file has the user's collections already
    } else {
        // Read like any collections file (a byte-order mark, UTF-16), and
        // added to the shared one in one save.
        CPrivateProfileFile copied(copy);
        FileChanges changes;
        for (const std::string& section : copied.ReadSectionNames()) {
            changes.push_back({section, false, {}});
            for (auto& [key, value] : copied.ReadSection(section)) changes.back().keys.push_back({key, value});
        }
        decided = shared.WriteChanges(changes);
    }
    if (decided) store.WriteInt("Config", adoptedValue, 1);
}

void ForgetVirtualStoreCopy(ISettingsStore& store)
{
    const std::string copy = CopyPath();
    if (copy.empty()) return;
    // A copy that could not go must not come back either.
    if (!DeleteFileA(copy.c_str()) && PathExists(copy)) store.WriteInt("Config", adoptedValue, 1);
}
#else
// Only the 64-bit program has a VirtualStore copy to take.
void AdoptVirtualStoreCopy(CPrivateProfileFile&, ISettingsStore&) {}
void ForgetVirtualStoreCopy(ISettingsStore&) {}
#endif
