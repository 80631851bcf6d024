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

}  // namespace

// Each kind is looked for by its class or title, not by walking every
// top-level window: under Wine a process's first walk of them connects it
// to the display (about 20 ms), which held a session's first screen saver
// up; a search by class or title does not.
TombolixWindows FindTombolixWindows()
{
    TombolixWindows found;
    found.tray = FindWindowA(trayWindowClass, nullptr);
    found.session = FindWindowA(sessionWindowClass, nullptr);
    for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, g_appTitle.c_str()); window;
         window = FindWindowExA(nullptr, window, nullptr, g_appTitle.c_str())) {
        // Longer than any name compared: a longer one is cut, and differs
        // still. Empty if the window is gone meanwhile. The search ignores
        // letter case; an earlier version's title has ours exactly.
        char text[32] = "";
        GetClassNameA(window, text, sizeof text);
        if (lstrcmpiA(text, trayWindowClass) == 0 || lstrcmpiA(text, sessionWindowClass) == 0) continue;
        text[0] = '\0';
        if (GetWindowTextA(window, text, sizeof text) && g_appTitle == text && RunsTombolixFile(window))
            found.earlier.push_back(window);
    }
    return found;
}

void CloseEarlierVersions(const TombolixWindows& running)
{
    for (HWND window : running.earlier) PostMessageA(window, WM_CLOSE, 0, 0);
}
