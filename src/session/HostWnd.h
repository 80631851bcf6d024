// A black window of ours that shows one hosted screen saver at a time: the
// screen saver is started with "/p <stage>" and fills the stage, a child
// window made afresh for each one, with its own. The pointer is hidden
// over both.
#pragma once
#include <windows.h>

class CHostWnd {
public:
    CHostWnd() = default;
    ~CHostWnd();
    CHostWnd(const CHostWnd&) = delete;
    CHostWnd& operator=(const CHostWnd&) = delete;

    // Topmost, exactly over the area: a monitor.
    bool CreateOver(const RECT& area);
    // Filling the client area of another program's window: a preview.
    bool CreateInside(HWND parent);

    HWND Handle() const { return window; }
    // A fresh stage in place of the last one, which goes with the window of
    // the screen saver in it.
    HWND NewStage();
    void ClearStage();
    // The screen saver started on the stage has put its window in it.
    bool StageShowsWindow() const;

private:
    bool Create(DWORD exStyle, DWORD style, const RECT& area, HWND parent);

    HWND window = nullptr;
    HWND stage = nullptr;
};
