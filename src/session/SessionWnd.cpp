#include "session/SessionWnd.h"

#include "app/App.h"

bool CSessionWnd::CreateAt(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent)
{
    static const std::string className = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
    return CreateEx(exStyle, className, g_appTitle, style, rect, parent ? parent->m_hWnd : nullptr);
}

bool CSessionWnd::CreateFullScreen()
{
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CreateAt(0, WS_POPUP | WS_VISIBLE, rect, nullptr);
}

void CSessionWnd::PostNcDestroy()
{
    if (autoDelete) delete this;
}

int CSessionWnd::OnCreate(CREATESTRUCTA*)
{
    return 0;
}

bool CSessionWnd::LaunchNext(bool)
{
    // Sessions arrive with the collections: until then nothing can be chosen.
    return false;
}

void CSessionWnd::OnTimer(UINT_PTR)
{
}
