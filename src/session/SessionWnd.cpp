#include "session/SessionWnd.h"

#include "framework/WinApp.h"
#include "session/SystemCommands.h"

CSessionWnd::CSessionWnd(std::unique_ptr<CWin32SessionHost> host, std::unique_ptr<CSession> session)
    : host(std::move(host)), session(std::move(session))
{
}

CSessionWnd::~CSessionWnd() = default;

bool CSessionWnd::Create()
{
    // A class of its own: a session is found by it, never the resident
    // instance or another program's window of the same title.
    const std::string className = AfxRegisterNamedWndClass(sessionWindowClass, CS_HREDRAW | CS_VREDRAW);
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CreateEx(0, className, g_appTitle, WS_POPUP, rect, nullptr);
}

int CSessionWnd::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    host->AttachWindow(m_hWnd);
    return 0;
}

namespace {
// The change of the monitors is answered after the notice returns: it is
// sent, and covering the monitors anew may start a screen saver over the
// desktop, which waits until that one is ready.
constexpr UINT displayChangedMessage = WM_APP + 2;
}  // namespace

LRESULT CSessionWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case CWin32SessionHost::inputMessage:
        session->OnInput();
        return 0;
    case displayChangedMessage:
        session->OnDisplayChange();
        return 0;
    case WM_DISPLAYCHANGE:
        PostMessage(displayChangedMessage);
        break;
    }
    return CFrameWnd::OnMessage(msg, wp, lp);
}

void CSessionWnd::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    // The child screen saver covers the screen; this window only carries
    // the timer.
    if (hideAtFirstPaint) {
        hideAtFirstPaint = false;
        ShowWindow(SW_HIDE);
    }
}

void CSessionWnd::OnSysCommand(UINT command, LPARAM lp)
{
    if (!SessionSwallowsSystemCommand(command)) CFrameWnd::OnSysCommand(command, lp);
}
