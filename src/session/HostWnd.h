// A black window of ours that hosted screen savers show in: a monitor's,
// or the preview's picture inside another program's window. Each screen
// saver gets a stage of its own, a child window filling ours, started
// with "/p <stage>". The pointer is hidden over both.
#pragma once
#include <windows.h>

class CHostWnd {
public:
    CHostWnd() = default;
    ~CHostWnd();
    CHostWnd(const CHostWnd&) = delete;
    CHostWnd& operator=(const CHostWnd&) = delete;

    // Topmost, exactly over the area: a monitor. It may take the keyboard
    // focus, so that keys reach the input watch.
    bool CreateOver(const RECT& area);
    // Filling the client area of another program's window: a preview.
    bool CreateInside(HWND parent);
    // Follows the parent's client area; false when it had that size.
    bool FollowParent();

    HWND Handle() const { return window; }
    // A fresh stage over the last ones; null when it cannot be made.
    HWND NewStage();

private:
    bool Create(DWORD exStyle, DWORD style, const RECT& area, HWND parent);

    HWND window = nullptr;
};

// A stage's going ends the screen saver handed to it first: destroying a
// window that holds another process's window waits on that process, which
// may have stopped answering.
void HandStageTo(HWND stage, HANDLE process);
// A stage whose screen saver has put its window in it: its first child.
HWND StageContent(HWND stage);
