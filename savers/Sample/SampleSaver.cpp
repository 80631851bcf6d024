// A sample screen saver for demonstrations: its file name picks its picture
// ("Aurora": drifting colour bands, "Bubbles": rising circles, anything
// else: a field of stars). It ends on WM_CLOSE, a key, a click or a mouse
// movement. With TOMBOLIX_DEMO_LOG set it appends its name to that file when
// it starts, so a demonstration can tell what ran.
#include "../ScreenSaverArgs.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

std::string name;
int frame = 0;
POINT firstMouse{-1, -1};

void LogStart()
{
    const char* path = getenv("TOMBOLIX_DEMO_LOG");
    if (!path) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string line = name + "\n";
    DWORD written;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

void Fill(HDC dc, const RECT& area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void Disc(HDC dc, int x, int y, int radius, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, x - radius, y - radius, x + radius, y + radius);
    SelectObject(dc, old);
    DeleteObject(brush);
}

void Draw(HDC dc, const RECT& area)
{
    int width = area.right, height = area.bottom;
    if (name == "Aurora") {
        for (int band = 0; band < 16; ++band) {
            RECT strip{0, band * height / 16, width, (band + 1) * height / 16};
            double phase = band * 0.4 + frame * 0.08;
            Fill(dc, strip, RGB(20, 90 + static_cast<int>(80 * std::sin(phase)), 120 + static_cast<int>(60 * std::cos(phase))));
        }
    } else if (name == "Bubbles") {
        Fill(dc, area, RGB(0, 30, 70));
        for (int i = 0; i < 24; ++i) {
            int x = (i * 97) % width;
            int y = height - ((frame * (3 + i % 5) + i * 53) % (height + 80)) + 40;
            Disc(dc, x, y, 10 + (i * 7) % 30, RGB(120, 180 + i % 60, 255));
        }
    } else {
        Fill(dc, area, RGB(0, 0, 0));
        for (int i = 0; i < 200; ++i) {
            int x = (i * 7919 + frame * (1 + i % 7)) % width;
            int y = (i * 104729) % height;
            SetPixel(dc, x, y, RGB(255, 255, 255));
            SetPixel(dc, x + 1, y, RGB(200, 200, 255));
        }
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT label{0, height - 60, width, height - 20};
    DrawTextA(dc, name.c_str(), -1, &label, DT_CENTER | DT_SINGLELINE);
}

LRESULT CALLBACK SaverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        ++frame;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT area;
        GetClientRect(hwnd, &area);
        // Drawn off screen first, so that the picture does not flicker.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, area.right, area.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        Draw(memory, area);
        BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_MOUSEMOVE: {
        POINT now{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (firstMouse.x < 0) firstMouse = now;
        else if (std::abs(now.x - firstMouse.x) > 4 || std::abs(now.y - firstMouse.y) > 4) DestroyWindow(hwnd);
        return 0;
    }
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    name = name.substr(0, name.rfind('.'));

    SaverCommand command = ReadSaverCommand(GetCommandLineA());
    if (command.request == SaverRequest::Configure) {
        MessageBoxA(command.window, "This sample screen saver has no settings.", name.c_str(), MB_OK);
        return 0;
    }
    if (command.request != SaverRequest::Run) return 0;
    LogStart();

    WNDCLASSA wc{};
    wc.lpfnWndProc = SaverProc;
    wc.hInstance = instance;
    wc.lpszClassName = "TombolixSampleSaver";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, name.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd) return 1;
    SetTimer(hwnd, 1, 40, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
