#include "session/Win32SessionHost.h"

#include "os/Trace.h"
#include "collections/Launcher.h"

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

void CWin32SessionHost::AttachWindow(HWND window)
{
    sessionWindow = window;
    if (timerWanted) StartTimer();
}

void CWin32SessionHost::StartTimer()
{
    timerWanted = true;
    if (sessionWindow) SetTimer(sessionWindow, sessionTimerId, 1000, nullptr);
}

void CWin32SessionHost::StopTimer()
{
    timerWanted = false;
    if (sessionWindow) KillTimer(sessionWindow, sessionTimerId);
}

int64_t CWin32SessionHost::Now()
{
    return _time64(nullptr);
}

LaunchOutcome CWin32SessionHost::Launch(const std::string& name, ChildProcess& process, uint32_t& processId,
                                        std::string& path)
{
    HANDLE handle = nullptr;
    DWORD id = 0;
    LaunchOutcome outcome = LaunchScreenSaver(extraFolders, name, "/s", IDLE_PRIORITY_CLASS, &handle, &id, &path);
    process = handle;
    processId = id;
    return outcome;
}

void CWin32SessionHost::Trace(const std::string& line)
{
    // The line is data, not a format: names may hold a per cent sign.
    if (traceEnabled) TraceWrite(".\\Session : %s", line.c_str());
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
