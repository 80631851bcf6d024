// The main window of the screen-saver and tray modes. In screen-saver mode it
// carries the session that starts, watches and replaces the child screen
// savers; in tray mode the session stays idle.
#pragma once
#include "framework/Wnd.h"
#include "res/resource.h"
#include "session/Session.h"
#include "session/Win32SessionHost.h"
#include "tray/TrayIcon.h"

#include <memory>

// The window classes of the two modes.
constexpr const char* trayWindowClass = "BrackwenTombolixTray";
constexpr const char* sessionWindowClass = "BrackwenTombolixSession";

class CSessionWnd : public CFrameWnd {
public:
    explicit CSessionWnd(bool autoDelete = false) : autoDelete(autoDelete) {}
    ~CSessionWnd() override;

    virtual bool CreateAt(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent);
    // Over the primary screen. The resident instance's window is created visible and hides at its
    // first paint; a session's is never shown: mapping a full-screen window
    // and unmapping it again only delayed the first screen saver.
    bool CreateFullScreen(bool visible = true);
    // The session, made before the window when its first child is to start
    // first; the window's creation makes it otherwise.
    void PrepareSession();
    // Starts the next child: the blanker, or the collection's next choice.
    bool LaunchNext(bool useBlanker) { return session && session->LaunchNext(useBlanker); }

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override { return CFrameWnd::PreCreateWindow(cs); }
    void PostNcDestroy() override;
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnTimer(UINT_PTR) override { if (session) session->Tick(); }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    CTrayIcon trayIcon{IDI_TRAY_ENABLED};

private:
    bool autoDelete;
    std::unique_ptr<CWin32SessionHost> host;
    std::unique_ptr<CSession> session;
};
