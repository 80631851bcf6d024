// The session's view of Windows: the clock, screen savers over the desktop
// or hosted in a window of ours over each monitor, the watch on the user's
// input, the session window's timer and its end.
#pragma once
#include "os/KillOnCloseJob.h"
#include "session/HostWnd.h"
#include "session/InputWatch.h"
#include "session/MonitorAreas.h"
#include "session/SessionHost.h"

#include <windows.h>
#include <memory>
#include <string>
#include <vector>

// The monitors Windows shows the desktop on, each once.
std::vector<ScreenArea> ListMonitors();
// Milliseconds of calendar time since 1970.
int64_t CalendarMilliseconds();

class CWin32SessionHost : public ISessionHost {
public:
    // Posted to the session window at the user's first input.
    static constexpr UINT inputMessage = WM_APP + 1;

    CWin32SessionHost(const std::vector<std::string>& extraFolders, bool traceEnabled,
                      std::vector<ScreenArea> monitors);
    ~CWin32SessionHost() override;

    // The window that owns timer 1, hears of the input and is closed at
    // the end. It may come after the first start: what was asked for
    // before happens from then on.
    void AttachWindow(HWND window);

    int64_t Now() override { return CalendarMilliseconds(); }
    Launched Launch(const std::string& name, Place place) override;
    void Trace(const std::string& line) override;
    bool CoverMonitors() override;
    LocalTime LocalNow() override { return ReadLocalTime(); }
    void LeaveMonitors() override;
    int ReadMonitors() override;
    void StartTimer() override;
    void StopTimer() override;
    void EndSession() override;

protected:
    // How a monitor's window and the input watch are made, each null when
    // it cannot be: a test makes either fail.
    virtual std::unique_ptr<CHostWnd> MakeMonitorWindow(const ScreenArea& area);
    virtual std::unique_ptr<CInputWatch> MakeInputWatch();

private:
    void NoticeInput();
    static constexpr UINT_PTR sessionTimerId = 1;

    HWND sessionWindow = nullptr;
    bool timerWanted = false;
    bool endWanted = false;
    bool inputNoticed = false;
    const std::vector<std::string>& extraFolders;
    bool traceEnabled;
    std::vector<ScreenArea> monitors;
    // The job goes last: a screen saver left in it ends with it.
    CKillOnCloseJob job;
    std::vector<std::unique_ptr<CHostWnd>> monitorWindows;
    std::unique_ptr<CInputWatch> inputWatch;
};
