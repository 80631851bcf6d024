#include "app/TombolixWindows.h"

#include "framework/WinApp.h"
#include "os/OwnedHandle.h"
#include "session/SessionWnd.h"
#include "tray/TrayWnd.h"

#include <tlhelp32.h>

namespace {

// Toolhelp names each process's file without its folder, on every Windows
// from XP, from KERNEL32 alone.
bool RunsTombolixFile(HWND window)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    COwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    PROCESSENTRY32 process;
    process.dwSize = sizeof process;
    bool runs = false;
    for (BOOL more = Process32First(snapshot.get(), &process); more && !runs;
         more = Process32Next(snapshot.get(), &process))
        runs = process.th32ProcessID == owner && lstrcmpiA(process.szExeFile, "Tombolix2.scr") == 0;
    return runs;
}

BOOL CALLBACK SortWindow(HWND window, LPARAM lp)
{
    TombolixWindows& found = *reinterpret_cast<TombolixWindows*>(lp);
    // Longer than any name compared: a longer one is cut, and differs still.
    // Empty if the window is gone meanwhile.
    char text[32];
    text[0] = '\0';
    GetClassNameA(window, text, sizeof text);
    if (lstrcmpiA(text, trayWindowClass) == 0) {
        found.tray = window;
    } else if (lstrcmpiA(text, sessionWindowClass) == 0) {
        found.session = window;
    } else if (GetWindowTextA(window, text, sizeof text) && g_appTitle == text && RunsTombolixFile(window)) {
        found.earlier.push_back(window);
    }
    return TRUE;
}

}  // namespace

TombolixWindows FindTombolixWindows()
{
    TombolixWindows found;
    EnumWindows(&SortWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CloseEarlierVersions(const TombolixWindows& running)
{
    for (HWND window : running.earlier) PostMessageA(window, WM_CLOSE, 0, 0);
}
