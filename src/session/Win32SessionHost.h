// The session's view of Windows: real processes, windows, time and timer.
#pragma once
#include "session/SessionHost.h"

#include <windows.h>
#include <string>
#include <vector>

class CWin32SessionHost : public ISessionHost {
public:
    CWin32SessionHost(const std::vector<std::string>& extraFolders, bool traceEnabled)
        : extraFolders(extraFolders), traceEnabled(traceEnabled) {}

    // The window that owns timer 1 and is closed at the end. It may come
    // after the first start: a timer asked for before runs from then on.
    void AttachWindow(HWND window);

    int64_t Now() override;
    void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }
    LaunchOutcome Launch(const std::string& name, ChildProcess& process, uint32_t& processId,
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
    void StartTimer() override;
    void StopTimer() override;
    void EndSession() override { PostMessageA(sessionWindow, WM_CLOSE, 0, 0); }
    void Trace(const std::string& line) override;

private:
    static HWND Handle(ChildWindow window) { return reinterpret_cast<HWND>(window); }
    static constexpr UINT_PTR sessionTimerId = 1;

    HWND sessionWindow = nullptr;
    bool timerWanted = false;
    const std::vector<std::string>& extraFolders;
    bool traceEnabled;
};
