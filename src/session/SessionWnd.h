// The main window of the screen-saver and tray modes. In screen-saver mode it
// is the session that starts, watches and replaces the child screen savers;
// in tray mode it stays hidden and idle.
#pragma once
#include "framework/Wnd.h"

class CSessionWnd : public CFrameWnd {
public:
    explicit CSessionWnd(bool autoDelete = false) : autoDelete(autoDelete) {}
    ~CSessionWnd() override = default;

    virtual bool CreateAt(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent);
    // Visible, over the primary screen; the first paint hides it again.
    bool CreateFullScreen();
    // Starts the next child: the blanker, or the collection's next choice.
    bool LaunchNext(bool useBlanker);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override { return CFrameWnd::PreCreateWindow(cs); }
    void PostNcDestroy() override;
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnTimer(UINT_PTR id) override;

private:
    bool autoDelete;
};
