#include "session/HostWnd.h"

namespace {
// Classes of their own: an earlier version counting windows by title or a
// test looking for ours tells them apart.
const char* const hostClassName = "BrackwenTombolixHost";
const char* const stageClassName = "BrackwenTombolixStage";

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_SETCURSOR) {
        SetCursor(nullptr);
        return TRUE;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterClassOnce(const char* name)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, name, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}
}  // namespace

CHostWnd::~CHostWnd()
{
    if (window) DestroyWindow(window);
}

bool CHostWnd::CreateOver(const RECT& area)
{
    return Create(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE, area, nullptr);
}

bool CHostWnd::CreateInside(HWND parent)
{
    RECT area{};
    GetClientRect(parent, &area);
    // Another program's window is not told of it: a sent notice would wait
    // on that program's thread.
    return Create(WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE, area, parent);
}

bool CHostWnd::Create(DWORD exStyle, DWORD style, const RECT& area, HWND parent)
{
    RegisterClassOnce(hostClassName);
    window = CreateWindowExA(exStyle, hostClassName, "", style | WS_CLIPCHILDREN, area.left, area.top,
                             area.right - area.left, area.bottom - area.top, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    return window != nullptr;
}

HWND CHostWnd::NewStage()
{
    ClearStage();
    RegisterClassOnce(stageClassName);
    RECT area{};
    GetClientRect(window, &area);
    stage = CreateWindowExA(0, stageClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, area.right,
                            area.bottom, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    return stage;
}

void CHostWnd::ClearStage()
{
    if (stage) DestroyWindow(stage);
    stage = nullptr;
}

bool CHostWnd::StageShowsWindow() const
{
    return stage && GetWindow(stage, GW_CHILD) != nullptr;
}
