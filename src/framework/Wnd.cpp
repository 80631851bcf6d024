#include "framework/Wnd.h"


std::string CWnd::GetWindowText() const
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(m_hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string AfxRegisterNamedWndClass(const std::string& name, UINT classStyle, HCURSOR cursor, HBRUSH background,
                                     HICON icon)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, name.c_str(), &existing)) return name;

    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &CFrameWnd::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name.c_str();
    RegisterClassA(&wc);
    return name;
}

CFrameWnd::~CFrameWnd()
{
    if (::IsWindow(m_hWnd)) {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
}

bool CFrameWnd::CreateEx(DWORD exStyle, const std::string& className, const std::string& title,
                         DWORD style, const RECT& rect, HWND parent)
{
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className.c_str();
    cs.lpszName = title.c_str();
    cs.style = static_cast<LONG>(style);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hInstance = GetModuleHandleA(nullptr);
    if (!PreCreateWindow(cs)) return false;
    HWND hwnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                                cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, nullptr, cs.hInstance, this);
    return hwnd != nullptr;
}

LRESULT CALLBACK CFrameWnd::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<CFrameWnd*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self && msg == WM_NCCREATE) {
        self = static_cast<CFrameWnd*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        return self->Dispatch(msg, wp, lp);
    } catch (...) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

LRESULT CFrameWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    auto saved = current;
    current = {msg, wp, lp};
    LRESULT result = OnMessage(msg, wp, lp);
    current = saved;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        PostNcDestroy();
    }
    return result;
}

LRESULT CFrameWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:     return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lp));
    case WM_PAINT:      OnPaint(); return 0;
    case WM_TIMER:      OnTimer(wp); return 0;
    case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wp), lp); return 0;
    case WM_COMMAND:    return OnCommand(LOWORD(wp)) ? 0 : Default();
    case WM_CLOSE:      OnClose(); return 0;
    case WM_DESTROY:    OnDestroy(); return 0;
    default:            return Default();
    }
}
