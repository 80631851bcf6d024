#include "session/Launcher.h"

#include "os/Win32FileSystem.h"

namespace {
constexpr DWORD readyTimeoutMs = 5000;

}  // namespace

bool StartProcess(const std::string& path, const std::string& arguments, DWORD creationFlags,
                  HANDLE* process, DWORD* processId)
{
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    bool created = CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, TRUE, creationFlags,
                                  nullptr, nullptr, &startup, &info) != FALSE;
    if (created) {
        // A child that never becomes idle still counts as started.
        WaitForInputIdle(info.hProcess, readyTimeoutMs);
        CloseHandle(info.hThread);
        if (!process) CloseHandle(info.hProcess);
    }
    if (process) *process = created ? info.hProcess : nullptr;
    if (processId) *processId = created ? info.dwProcessId : 0;
    return created;
}

bool LaunchScreenSaver(const std::vector<std::string>& extraFolders, const std::string& name,
                       const std::string& arguments, DWORD creationFlags, HANDLE* process, DWORD* processId)
{
    std::string fileName = name + ".scr";
    std::vector<std::string> folders{GetSystemFolder(), GetWindowsFolder()};
    folders.insert(folders.end(), extraFolders.begin(), extraFolders.end());
    for (const std::string& folder : folders) {
        // The separator is always added, as the folders are stored.
        if (StartProcess(folder + "\\" + fileName, arguments, creationFlags, process, processId)) return true;
    }
    return false;
}
