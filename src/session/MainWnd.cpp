#include "session/MainWnd.h"

#include "app/App.h"
#include "app/SystemServices.h"
#include "app/Trace.h"
#include "collections/Settings.h"
#include "collections/StoredState.h"
#include "config/ConfigProp.h"
#include "session/SystemCommands.h"
#include "session/TombolixWindows.h"
#include "tray/AutoStart.h"
#include "tray/TrayCommands.h"

void CMainWnd::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    // The window only exists to be found and to carry the timer: the child
    // screen saver covers the screen, and the tray window stays out of sight.
    if (GetApp().GetMode() == ModeTray) {
        ShowWindow(SW_HIDE);
    } else if (hideAtFirstPaint) {
        hideAtFirstPaint = false;
        ShowWindow(SW_HIDE);
    }
}

void CMainWnd::OnSysCommand(UINT command, LPARAM lp)
{
    bool swallowed = SwallowsSystemCommand(GetApp().GetMode(), command, screenSaverDisabled);
    if (GetApp().GetMode() == ModeTray && command == SystemCommandScreenSave)
        TraceTray(swallowed ? "screen saver request refused: switched off from the menu"
                            : "screen saver request passed on to Windows");
    if (!swallowed) CSessionWnd::OnSysCommand(command, lp);
}

void CMainWnd::TraceTray(const char* line)
{
    if (GetApp().IsTraceEnabled()) TraceWrite(".\\Tray : %s", line);
}

bool CMainWnd::OnCommand(UINT id)
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
        GetApp().LaunchScreenSaver(g_appTitle, "/s", IDLE_PRIORITY_CLASS);
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

void CMainWnd::SetScreenSaverEnabled(bool enabled)
{
    screenSaverDisabled = !enabled;
    SetSystemScreenSaverActive(enabled);
    // The icon's id also picks the tooltip and the popup menu.
    trayIcon.ShowIcon(enabled ? IDI_TRAY_ENABLED : IDI_TRAY_DISABLED);
}

void CMainWnd::OpenSettings()
{
    if (settingsOpen) return;
    settingsOpen = true;
    CApp& app = GetApp();
    if (app.RunConfiguration(nullptr) && !app.GetSettings().GetUseTray()) PostMessage(WM_CLOSE);
    settingsOpen = false;
}

void CMainWnd::Exit()
{
    if (settingsOpen) {
        // Its edits are the user's to keep or drop, never ours.
        ShowNote(g_pConfigSheet ? g_pConfigSheet->m_hWnd : m_hWnd,
                     "The Tombolix settings are still open. Press OK there to keep your changes or Cancel to "
                     "drop them, then exit Tombolix.");
        return;
    }
    // Only the one value: whatever a sheet stored since this instance
    // started stays.
    CStoredState& stored = GetApp().GetStoredState();
    ProgramOptions options = stored.GetSettings().Values();
    options.autoStart = false;
    stored.ApplyOptions(options);
    RemoveAutoStart();
    // No Tombolix is left in the notification area, of an earlier version either.
    FindTombolixWindows(true);
    PostMessage(WM_CLOSE);
}

void CMainWnd::OnClose()
{
    // Whoever asks (a setup, a task manager) waits for the user to close the
    // open settings first, so that their edits are not dropped unseen.
    if (settingsOpen) {
        if (g_pConfigSheet) SetForegroundWindow(g_pConfigSheet->m_hWnd);
        return;
    }
    CSessionWnd::OnClose();
}

void CMainWnd::OnDestroy()
{
    PostQuitMessage(0);
    CSessionWnd::OnDestroy();
}
