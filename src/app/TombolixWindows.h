// Which top-level windows are Tombolix's: this version's by their classes,
// an earlier version's, whatever its class, by its title "Tombolix2" and
// the file its process runs, Tombolix2.scr. No other program's window
// counts, whatever its title.
#pragma once
#include <windows.h>

#include <vector>

struct TombolixWindows {
    HWND tray = nullptr;        // our resident instance's
    HWND session = nullptr;     // one of our sessions', if any runs
    std::vector<HWND> earlier;  // earlier versions' windows
};

TombolixWindows FindTombolixWindows();
// Asks each earlier version's window to close, as the user would.
void CloseEarlierVersions(const TombolixWindows& running);
