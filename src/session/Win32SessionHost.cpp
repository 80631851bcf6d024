#include "session/Win32SessionHost.h"

#include "os/Trace.h"
#include "session/Win32Children.h"

namespace {
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

int64_t CalendarMilliseconds()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const int64_t since1601 = (int64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    constexpr int64_t from1601To1970 = 116444736000000000;   // in 100-ns steps
    return (since1601 - from1601To1970) / 10000;
}

CWin32SessionHost::CWin32SessionHost(const std::vector<std::string>& extraFolders, bool traceEnabled,
                                     std::vector<ScreenArea> monitors)
    : extraFolders(extraFolders), traceEnabled(traceEnabled), monitors(std::move(monitors))
{
}

CWin32SessionHost::~CWin32SessionHost() { LeaveMonitors(); }

void CWin32SessionHost::AttachWindow(HWND window)
{
    sessionWindow = window;
    if (timerWanted) StartTimer();
    if (endWanted) EndSession();
    if (inputNoticed) PostMessageA(sessionWindow, inputMessage, 0, 0);
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

// Heard inside a hook, where nothing may take long: the session window
// ends the session from its own message.
void CWin32SessionHost::NoticeInput()
{
    inputNoticed = true;
    if (sessionWindow) PostMessageA(sessionWindow, inputMessage, 0, 0);
}

bool CWin32SessionHost::CoverMonitors()
{
    std::vector<std::unique_ptr<CHostWnd>> made;
    for (const ScreenArea& area : monitors) {
        made.push_back(MakeMonitorWindow(area));
        if (!made.back()) {
            Trace("could not make the window over monitor " + std::to_string(made.size()));
            return false;
        }
    }
    std::unique_ptr<CInputWatch> watch = MakeInputWatch();
    if (!watch) {
        Trace("could not watch the user's input");
        return false;
    }
    monitorWindows = std::move(made);
    inputWatch = std::move(watch);
    // Keys reach the watch while one of our windows has the keyboard.
    SetForegroundWindow(monitorWindows[0]->Handle());
    SetFocus(monitorWindows[0]->Handle());
    return true;
}

std::unique_ptr<CHostWnd> CWin32SessionHost::MakeMonitorWindow(const ScreenArea& area)
{
    auto window = std::make_unique<CHostWnd>();
    if (!window->CreateOver(RECT{area.left, area.top, area.right, area.bottom})) return nullptr;
    return window;
}

std::unique_ptr<CInputWatch> CWin32SessionHost::MakeInputWatch()
{
    auto watch = std::make_unique<CInputWatch>([this] { NoticeInput(); });
    if (!watch->IsWatching()) return nullptr;
    return watch;
}

void CWin32SessionHost::LeaveMonitors()
{
    inputWatch.reset();
    monitorWindows.clear();
}

int CWin32SessionHost::ReadMonitors()
{
    monitors = ListMonitors();
    return static_cast<int>(monitors.size());
}

Launched CWin32SessionHost::Launch(const std::string& name, Place place)
{
    if (place == wholeDesktop) return LaunchOverDesktop(extraFolders, name);
    const size_t index = static_cast<size_t>(place);
    if (place < 0 || index >= monitorWindows.size()) return {};
    return LaunchHosted(*monitorWindows[index], job.Get(), extraFolders, name);
}

void CWin32SessionHost::Trace(const std::string& line)
{
    // The line is data, not a format: names may hold a per cent sign.
    if (traceEnabled) TraceWrite(".\\Session : %s", line.c_str());
}
