#include "session/SessionWnd.h"

#include "app/App.h"
#include "collections/Settings.h"
#include "collections/StoredState.h"

CSessionWnd::~CSessionWnd() = default;

bool CSessionWnd::CreateAt(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent)
{
    // A class of the mode's own: the resident instance is found by it, never
    // a session or another program's window of the same title.
    const char* name = GetApp().GetMode() == ModeTray ? trayWindowClass : sessionWindowClass;
    const std::string className = AfxRegisterNamedWndClass(name, CS_HREDRAW | CS_VREDRAW);
    return CreateEx(exStyle, className, g_appTitle, style, rect, parent ? parent->m_hWnd : nullptr);
}

bool CSessionWnd::CreateFullScreen(bool visible)
{
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CreateAt(0, WS_POPUP | (visible ? WS_VISIBLE : 0), rect, nullptr);
}

void CSessionWnd::PostNcDestroy()
{
    if (autoDelete) delete this;
}

void CSessionWnd::PrepareSession()
{
    CApp& app = GetApp();
    const CSettings& settings = app.GetSettings();

    CStoredState& stored = app.GetStoredState();
    std::unique_ptr<CCollection> collection = stored.LoadCollection(ReadCurrentName(stored.GetSettingsStore()), false);

    SessionRules rules;
    rules.useBlanker = settings.GetUseBlanker();
    rules.blankerMinutes = settings.GetBlankerMinutes();
    rules.blankerName = settings.GetBlankerName();
    rules.passwordOverride = settings.GetPasswordOverride();
    rules.passwordInUse = app.IsPasswordInUse();
    rules.startTime = app.GetStartTime();

    host = std::make_unique<CWin32SessionHost>(settings.GetFolders(), app.IsTraceEnabled());
    session = std::make_unique<CSession>(*host, app.rand, std::move(rules), std::move(collection));
}

int CSessionWnd::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    if (!session) PrepareSession();
    host->AttachWindow(m_hWnd);
    if (GetApp().GetMode() == ModeTray) {
        trayIcon.BindWindow(m_hWnd, WM_USER);
        trayIcon.ShowIcon(IDI_TRAY_ENABLED);
    }
    return 0;
}

LRESULT CSessionWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_USER) return trayIcon.HandleNotify(wp, lp);
    return CFrameWnd::OnMessage(msg, wp, lp);
}
