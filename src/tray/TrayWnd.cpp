#include "tray/TrayWnd.h"

#include "os/SystemServices.h"
#include "os/Trace.h"
#include "framework/WinApp.h"
#include "tray/TrayCommands.h"
#include "tray/TrayIconModel.h"

namespace {
constexpr UINT collectionCheckMs = 20000;
}

bool CTrayWnd::Create()
{
    // A class of its own: the resident instance is found by it, never a
    // session or another program's window of the same title.
    const std::string className = AfxRegisterNamedWndClass(trayWindowClass, CS_HREDRAW | CS_VREDRAW);
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CreateEx(0, className, g_appTitle, WS_POPUP | WS_VISIBLE, rect, nullptr);
}

int CTrayWnd::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    trayIcon.BindWindow(m_hWnd, WM_USER);
    trayIcon.SetCollection(actions.CollectionInEffectNow());
    trayIcon.ShowIcon(IDI_TRAY_ENABLED);
    SetTimer(m_hWnd, 1, collectionCheckMs, nullptr);
    return 0;
}

LRESULT CTrayWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_USER) return trayIcon.HandleNotify(wp, lp);
    return CFrameWnd::OnMessage(msg, wp, lp);
}

void CTrayWnd::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    // The window only exists to be found and to own the icon.
    ShowWindow(SW_HIDE);
}

void CTrayWnd::OnSysCommand(UINT command, LPARAM lp)
{
    bool swallowed = TraySwallowsSystemCommand(command, screenSaverDisabled);
    if (command == SC_SCREENSAVE)
        TraceTray(swallowed ? "screen saver request refused: switched off from the menu"
                            : "screen saver request passed on to Windows");
    if (!swallowed) CFrameWnd::OnSysCommand(command, lp);
}

void CTrayWnd::TraceTray(const char* line) const
{
    if (actions.IsTraceEnabled()) TraceWrite(".\\Tray : %s", line);
}

bool CTrayWnd::OnCommand(UINT id)
{
    switch (id) {
    case CommandRunScreenSaver:
        // Straight to the default processing, past this window's own filter.
        TraceTray("run the screen saver now");
        DefWindowProcA(m_hWnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
        return true;
    case CommandConfigureScreenSaver:
        ConfigureSystemScreenSaver();
        return true;
    case CommandRunTombolix:
        actions.RunOwnScreenSaver();
        return true;
    case CommandTombolixSettings:
        OpenSettings();
        return true;
    case CommandDisplayProperties:
        OpenDisplayProperties();
        return true;
    case CommandDisableScreenSaver:
        SetScreenSaverEnabled(false);
        return true;
    case CommandEnableScreenSaver:
        SetScreenSaverEnabled(true);
        return true;
    case CommandExit:
        Exit();
        return true;
    default:
        return false;
    }
}

void CTrayWnd::SetScreenSaverEnabled(bool enabled)
{
    screenSaverDisabled = !enabled;
    SetSystemScreenSaverActive(enabled);
    // The icon's id also picks the tooltip and the popup menu.
    trayIcon.ShowIcon(enabled ? IDI_TRAY_ENABLED : IDI_TRAY_DISABLED);
}

void CTrayWnd::OpenSettings()
{
    if (settingsOpen) return;
    settingsOpen = true;
    if (actions.ConfigureEndsTray()) PostMessage(WM_CLOSE);
    settingsOpen = false;
    ShowCollection();
}

void CTrayWnd::Exit()
{
    if (settingsOpen) {
        // Its edits are the user's to keep or drop, never ours.
        HWND sheet = actions.SettingsWindow();
        ShowNote(sheet ? sheet : m_hWnd,
                 "The Tombolix settings are still open. Press OK there to keep your changes or Cancel to "
                 "drop them, then exit Tombolix.");
        return;
    }
    actions.StopStartingWithWindows();
    PostMessage(WM_CLOSE);
}

void CTrayWnd::OnClose()
{
    // Whoever asks (a setup, a task manager) waits for the user to close the
    // open settings first, so that their edits are not dropped unseen.
    if (settingsOpen) {
        if (HWND sheet = actions.SettingsWindow()) SetForegroundWindow(sheet);
        return;
    }
    CFrameWnd::OnClose();
}
