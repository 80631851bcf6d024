// The window of a screen-saving session: never shown, it carries the
// session's one-second timer, ends the process when it closes, and is what
// a second start and the installer find by its class. The monitors'
// windows, when there are any, belong to the session's host.
#pragma once
#include "framework/Wnd.h"
#include "session/Session.h"
#include "session/Win32SessionHost.h"

#include <memory>

constexpr const char* sessionWindowClass = "BrackwenTombolixSession";

class CSessionWnd : public CFrameWnd {
public:
    // The session is ready before the window: its first child may start
    // first, since a process's first window connects it to the display
    // (about 60 ms under Wine).
    CSessionWnd(std::unique_ptr<CWin32SessionHost> host, std::unique_ptr<CSession> session);
    ~CSessionWnd() override;

    // Over the primary screen, not shown: mapping a full-screen window and
    // unmapping it again only delayed the first screen saver.
    bool Create();
    // Starts the first screen saver, or one on each monitor.
    bool Begin() { return session->Begin(); }

protected:
    // The user's input and a change of the monitors go to the session.
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnPaint() override;
    void OnTimer(UINT_PTR) override { session->Tick(); }
    void OnSysCommand(UINT command, LPARAM lp) override;
    void OnDestroy() override { PostQuitMessage(0); }

private:
    // The session goes first: its screen savers end before the host's
    // windows they show in.
    std::unique_ptr<CWin32SessionHost> host;
    std::unique_ptr<CSession> session;
    bool hideAtFirstPaint = true;
};
