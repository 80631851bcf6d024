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

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM lp)
{
    reinterpret_cast<std::vector<ScreenArea>*>(lp)->push_back({area->left, area->top, area->right, area->bottom});
    return TRUE;
}
}  // namespace

std::vector<ScreenArea> ListMonitors()
{
    std::vector<ScreenArea> areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&areas));
    return DistinctMonitors(areas);
}

CWin32SessionHost::CWin32SessionHost(const std::vector<std::string>& extraFolders, bool traceEnabled,
                                     std::vector<ScreenArea> monitors)
    : extraFolders(extraFolders), traceEnabled(traceEnabled), monitors(std::move(monitors))
{
}

// The monitors' windows go first: a screen saver built the standard way
// ends with its window, before the job ends any that did not.
CWin32SessionHost::~CWin32SessionHost() { LeaveMonitors(); }

void CWin32SessionHost::AttachWindow(HWND window)
{
    sessionWindow = window;
    if (timerWanted) StartTimer();
    if (endWanted) EndSession();
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

void CWin32SessionHost::EndSession()
{
    endWanted = true;
    if (sessionWindow) PostMessageA(sessionWindow, WM_CLOSE, 0, 0);
}

int64_t CWin32SessionHost::Now()
{
    return _time64(nullptr);
}

bool CWin32SessionHost::CoverMonitors()
{
    if (!monitorWindows.empty()) return true;
    for (const ScreenArea& area : monitors) {
        auto window = std::make_unique<CHostWnd>();
        if (!window->CreateOver(RECT{area.left, area.top, area.right, area.bottom})) return false;
        monitorWindows.push_back(std::move(window));
    }
    inputWatch = std::make_unique<CInputWatch>([this] {
        Trace("end: input from the user");
        EndSession();
    });
    return true;
}

LaunchOutcome CWin32SessionHost::Launch(const std::string& name, Place place, ChildProcess& process,
                                        uint32_t& processId, std::string& path)
{
    HANDLE handle = nullptr;
    DWORD id = 0;
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    if (place == wholeDesktop) {
        outcome = LaunchScreenSaver(extraFolders, name, "/s", IDLE_PRIORITY_CLASS, &handle, &id, &path);
    } else if (CHostWnd* window = CoverMonitors() ? MonitorWindow(place) : nullptr) {
        HWND stage = window->NewStage();
        const std::string arguments = "/p " + std::to_string(reinterpret_cast<uintptr_t>(stage));
        outcome = LaunchScreenSaver(extraFolders, name, arguments, IDLE_PRIORITY_CLASS, &handle, &id, &path, job.Get());
    }
    process = handle;
    processId = id;
    return outcome;
}

CHostWnd* CWin32SessionHost::MonitorWindow(Place monitor) const
{
    size_t index = static_cast<size_t>(monitor);
    return monitor >= 0 && index < monitorWindows.size() ? monitorWindows[index].get() : nullptr;
}

bool CWin32SessionHost::ShowsScreenSaver(Place monitor)
{
    CHostWnd* window = MonitorWindow(monitor);
    return window && window->StageShowsWindow();
}

void CWin32SessionHost::ClearPlace(Place monitor)
{
    if (CHostWnd* window = MonitorWindow(monitor)) window->ClearStage();
}

void CWin32SessionHost::LeaveMonitors()
{
    inputWatch.reset();
    monitorWindows.clear();
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
