#include "session/HostWnd.h"

namespace {
// Classes of their own: an earlier version counting windows by title or a
// test looking for ours tells them apart.
const char* const hostClassName = "BrackwenTombolixHost";
const char* const stageClassName = "BrackwenTombolixStage";
const char* const stageProcessProperty = "BrackwenTombolixProcess";
constexpr DWORD killWaitMs = 100;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    case WM_DESTROY:
        // Windows sends this to a window before its children: the screen
        // saver is ended before anything is sent to its window, and gone
        // within moments, the system's doing and not the saver's.
        if (HANDLE process = RemovePropA(hwnd, stageProcessProperty)) {
            if (TerminateProcess(process, 0)) WaitForSingleObject(process, killWaitMs);
            CloseHandle(process);
        }
        return 0;
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
    return Create(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, area, nullptr);
}

bool CHostWnd::CreateInside(HWND parent)
{
    RECT area{};
    GetClientRect(parent, &area);
    // Another program's window is not told of it: a sent notice would wait
    // on that program's thread.
    return Create(WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE, area, parent);
}

bool CHostWnd::FollowParent()
{
    RECT wanted{}, now{};
    GetClientRect(GetParent(window), &wanted);
    GetClientRect(window, &now);
    if (wanted.right == now.right && wanted.bottom == now.bottom) return false;
    MoveWindow(window, 0, 0, wanted.right, wanted.bottom, TRUE);
    return true;
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
    RegisterClassOnce(stageClassName);
    RECT area{};
    GetClientRect(window, &area);
    return CreateWindowExA(WS_EX_NOPARENTNOTIFY, stageClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                           area.right, area.bottom, window, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void HandStageTo(HWND stage, HANDLE process)
{
    // A handle of the stage's own: it may outlive the child's owner.
    HANDLE own = nullptr;
    HANDLE self = GetCurrentProcess();
    if (DuplicateHandle(self, process, self, &own, PROCESS_TERMINATE | SYNCHRONIZE, FALSE, 0) &&
        !SetPropA(stage, stageProcessProperty, own))
        CloseHandle(own);
}

HWND StageContent(HWND stage)
{
    return GetWindow(stage, GW_CHILD);
}
