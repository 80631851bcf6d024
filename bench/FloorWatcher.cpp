// The least a program can do to watch a screen saver: a window whose
// one-second timer asks whether the child has ended. The benchmark's floor
// for the processor time a session uses while its screen saver runs.
// Argument: the screen saver's path.
#include "FloorStart.h"

namespace {
HANDLE child = nullptr;

LRESULT CALLBACK WatcherProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_TIMER) {
        DWORD code = 0;
        if (!GetExitCodeProcess(child, &code) || code != STILL_ACTIVE) DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    child = StartScreenSaverFromCommandLine();
    if (!child) return 1;

    WNDCLASSA wc{};
    wc.lpfnWndProc = WatcherProc;
    wc.hInstance = instance;
    wc.lpszClassName = "FloorWatcher";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "FloorWatcher", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                                nullptr);
    SetTimer(window, 1, 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    CloseHandle(child);
    return 0;
}
