// The session's view of Windows: real processes, windows, time and timer,
// and the monitors' windows that hosted screen savers show in.
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

class CWin32SessionHost : public ISessionHost {
public:
    CWin32SessionHost(const std::vector<std::string>& extraFolders, bool traceEnabled,
                      std::vector<ScreenArea> monitors);
    ~CWin32SessionHost() override;

    // The window that owns timer 1 and is closed at the end. It may come
    // after the first start: a timer or an end asked for before happens
    // from then on.
    void AttachWindow(HWND window);

    int64_t Now() override;
    LaunchOutcome Launch(const std::string& name, Place place, ChildProcess& process, uint32_t& processId,
                         std::string& path) override;
    bool IsStillActive(ChildProcess process) override;
    // The session, which knows nothing of Windows, owns the child's handle
    // and closes it here: an owner object cannot live on its side.
    void CloseProcess(ChildProcess process) override { CloseHandle(process); }
    ChildWindow FindChildWindow(uint32_t processId) override;
    bool IsWindow(ChildWindow window) override { return ::IsWindow(Handle(window)) != FALSE; }
    void PostClose(ChildWindow window) override { PostMessageA(Handle(window), WM_CLOSE, 0, 0); }
    void PostHomeKey(ChildWindow window, bool down) override
    {
        PostMessageA(Handle(window), down ? WM_KEYDOWN : WM_KEYUP, VK_HOME, 0);
    }
    bool ShowsScreenSaver(Place monitor) override;
    void ClearPlace(Place monitor) override;
    void LeaveMonitors() override;
    void StartTimer() override;
    void StopTimer() override;
    void EndSession() override;
    void Trace(const std::string& line) override;

private:
    static HWND Handle(ChildWindow window) { return reinterpret_cast<HWND>(window); }
    // The monitors' windows, made at the first start on one of them.
    bool CoverMonitors();
    // The window over the monitor, once made; null for any other place.
    CHostWnd* MonitorWindow(Place monitor) const;
    static constexpr UINT_PTR sessionTimerId = 1;

    HWND sessionWindow = nullptr;
    bool timerWanted = false;
    bool endWanted = false;
    const std::vector<std::string>& extraFolders;
    bool traceEnabled;
    std::vector<ScreenArea> monitors;
    std::vector<std::unique_ptr<CHostWnd>> monitorWindows;
    std::unique_ptr<CInputWatch> inputWatch;
    CKillOnCloseJob job;
};
