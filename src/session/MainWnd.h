// The one frame window class of the program: the session window plus the
// system-command filter, the paint rule and the tray commands.
#pragma once
#include "session/SessionWnd.h"

class CMainWnd : public CSessionWnd {
public:
    CMainWnd() : CSessionWnd(false) {}

protected:
    void OnPaint() override;
    void OnSysCommand(UINT command, LPARAM lp) override;
    bool OnCommand(UINT id) override;
    void OnClose() override;
    void OnDestroy() override;

private:
    void SetScreenSaverEnabled(bool enabled);
    // One line of the trace, when tracing is on.
    static void TraceTray(const char* line);
    void OpenSettings();
    void Exit();

    bool hideAtFirstPaint = true;
    bool screenSaverDisabled = false;
    bool settingsOpen = false;
};
