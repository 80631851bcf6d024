// The resident instance's window: hidden, it shows the notification-area
// icon and carries out the icon's menu commands.
#pragma once
#include "framework/Wnd.h"
#include "res/resource.h"
#include "tray/TrayActions.h"
#include "tray/TrayIcon.h"

constexpr const char* trayWindowClass = "BrackwenTombolixTray";

class CTrayWnd : public CFrameWnd {
public:
    explicit CTrayWnd(ITrayActions& actions) : actions(actions) {}

    // Over the primary screen, visible until its first paint hides it.
    bool Create();

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnPaint() override;
    void OnSysCommand(UINT command, LPARAM lp) override;
    bool OnCommand(UINT id) override;
    void OnClose() override;
    void OnDestroy() override { PostQuitMessage(0); }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // The tip follows the collection in effect: the schedule's may change
    // at any minute.
    void OnTimer(UINT_PTR) override { ShowCollection(); }

private:
    void SetScreenSaverEnabled(bool enabled);
    void ShowCollection() { trayIcon.SetCollection(actions.CollectionInEffectNow()); }
    // One line of the trace, when tracing is on.
    void TraceTray(const char* line) const;
    void OpenSettings();
    void Exit();

    ITrayActions& actions;
    CTrayIcon trayIcon{IDI_TRAY_ENABLED};
    bool screenSaverDisabled = false;
    bool settingsOpen = false;
};
