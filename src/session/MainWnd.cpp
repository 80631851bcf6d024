#include "session/MainWnd.h"

#include "app/App.h"

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
    // Compared exactly: the low four bits are not masked.
    bool swallow = GetApp().GetMode() == ModeTray
        ? command == SC_SCREENSAVE && screenSaverDisabled
        : command == SC_SCREENSAVE || command == SC_CLOSE;
    if (!swallow) CSessionWnd::OnSysCommand(command, lp);
}

void CMainWnd::OnDestroy()
{
    PostQuitMessage(0);
    CSessionWnd::OnDestroy();
}
