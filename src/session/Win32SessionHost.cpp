#include "session/Win32SessionHost.h"

#include "session/Launcher.h"

#include <ctime>

namespace {
struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK StopAtProcessWindow(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId) return TRUE;
    search->found = hwnd;
    return FALSE;
}
}  // namespace

int64_t CWin32SessionHost::Now()
{
    return _time64(nullptr);
}

bool CWin32SessionHost::Launch(const std::string& name, ChildProcess& process, uint32_t& processId)
{
    HANDLE handle = nullptr;
    DWORD id = 0;
    bool started = LaunchScreenSaver(extraFolders, name, "/s", IDLE_PRIORITY_CLASS, &handle, &id);
    process = handle;
    processId = id;
    return started;
}

bool CWin32SessionHost::IsStillActive(ChildProcess process)
{
    DWORD code = 0;
    return GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
}

ISessionHost::ChildWindow CWin32SessionHost::FindChildWindow(uint32_t processId)
{
    WindowSearch search{processId, nullptr};
    EnumWindows(&StopAtProcessWindow, reinterpret_cast<LPARAM>(&search));
    return reinterpret_cast<ChildWindow>(search.found);
}
