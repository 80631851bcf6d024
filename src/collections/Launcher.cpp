#include "collections/Launcher.h"

#include "collections/StoredNames.h"
#include "os/OwnedHandle.h"
#include "os/Win32FileSystem.h"

namespace {
constexpr DWORD readyTimeoutMs = 5000;

// True only when the file is surely gone: every folder can be looked into
// and none of them holds it. A folder on a drive that is offline at the
// moment leaves the question open.
bool FoundInNoFolder(const std::vector<std::string>& folders, const std::string& fileName)
{
    for (const std::string& folder : folders) {
        if (!FolderExists(folder) || PathExists(folder + "\\" + fileName)) return false;
    }
    return true;
}
}  // namespace

bool StartProcess(const std::string& path, const std::string& arguments, DWORD creationFlags,
                  HANDLE* process, DWORD* processId, HANDLE job)
{
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Process creation copies the file name into a buffer of the path limit.
    // The child gets the system's error mode, not the one this program sets
    // for itself.
    creationFlags |= CREATE_DEFAULT_ERROR_MODE;
    if (job) creationFlags |= CREATE_SUSPENDED;
    CNativeFolderView nativeView;
    bool created = path.size() < MAX_PATH &&
                   CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, TRUE, creationFlags, nullptr,
                                  nullptr, &startup, &info) != FALSE;
    COwnedHandle child(created ? info.hProcess : nullptr);
    COwnedHandle primaryThread(created ? info.hThread : nullptr);
    if (created && job) {
        // Without the job (a system that refuses it) the child still runs.
        AssignProcessToJobObject(job, child.get());
        ResumeThread(primaryThread.get());
    } else if (created) {
        // A child that never becomes idle still counts as started.
        WaitForInputIdle(child.get(), readyTimeoutMs);
    }
    if (process) *process = child.release();
    if (processId) *processId = created ? info.dwProcessId : 0;
    return created;
}

StartedScreenSaver LaunchScreenSaver(const std::vector<std::string>& extraFolders, const std::string& name,
                                     const std::string& arguments, DWORD creationFlags, HANDLE job)
{
    StartedScreenSaver started;
    // A name is a file name: a path in a shared file must not make anyone
    // start a program outside the searched folders.
    if (!IsPlainFileName(name)) return started;
    std::string fileName = name + ".scr";
    std::vector<std::string> folders = GetSystemFolders();
    folders.push_back(GetWindowsFolder());
    folders.insert(folders.end(), extraFolders.begin(), extraFolders.end());
    for (const std::string& folder : folders) {
        // The separator is always added, as the folders are stored.
        std::string path = folder + "\\" + fileName;
        HANDLE process = nullptr;
        if (StartProcess(path, arguments, creationFlags, &process, &started.processId, job)) {
            started.outcome = LaunchOutcome::Started;
            started.process.reset(process);
            started.path = path;
            return started;
        }
    }
    if (FoundInNoFolder(folders, fileName)) started.outcome = LaunchOutcome::NotFound;
    return started;
}
