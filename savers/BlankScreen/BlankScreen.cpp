// Blank Screen: a black screen without a cursor until the user moves the
// mouse, clicks or presses a key. Tombolix's default blanker.
#include "../ScreenSaverArgs.h"

#include <cstdlib>

namespace {

const char* const className = "BlankScreenSaver";
constexpr int mouseTolerance = 4;   // pixels the mouse may drift without waking

POINT firstMousePosition{-1, -1};

LRESULT CALLBACK SaverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    case WM_MOUSEMOVE: {
        POINT now{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (firstMousePosition.x < 0) {
            firstMousePosition = now;
        } else if (abs(now.x - firstMousePosition.x) > mouseTolerance ||
                   abs(now.y - firstMousePosition.y) > mouseTolerance) {
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
        }
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if (wp == SC_SCREENSAVE) return 0;   // already running
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK PreviewProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void Register(WNDPROC procedure, HINSTANCE instance, const char* name)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int RunFullScreen(HINSTANCE instance)
{
    Register(SaverProc, instance, className);
    int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, className, "Blank Screen", WS_POPUP | WS_VISIBLE, x, y, width, height,
                                nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    SetForegroundWindow(hwnd);
    ShowCursor(FALSE);
    return RunMessageLoop();
}

int RunPreview(HINSTANCE instance, HWND parent)
{
    if (!IsWindow(parent)) return 1;
    Register(PreviewProc, instance, "BlankScreenPreview");
    RECT area;
    GetClientRect(parent, &area);
    HWND hwnd = CreateWindowExA(0, "BlankScreenPreview", "", WS_CHILD | WS_VISIBLE, 0, 0, area.right, area.bottom,
                                parent, nullptr, instance, nullptr);
    return hwnd ? RunMessageLoop() : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    SaverCommand command = ReadSaverCommand(GetCommandLineA());
    switch (command.request) {
    case SaverRequest::Run:
        return RunFullScreen(instance);
    case SaverRequest::Preview:
        return RunPreview(instance, command.window);
    case SaverRequest::Configure:
        MessageBoxA(command.window, "Blank Screen shows a black screen. It has no settings.", "Blank Screen",
                    MB_OK | MB_ICONINFORMATION);
        return 0;
    case SaverRequest::ChangePassword:
        return 0;
    }
    return 0;
}
