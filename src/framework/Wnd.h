// Windows: a non-owning handle wrapper and the frame window that dispatches
// its messages to virtual handlers.
#pragma once
#include <windows.h>
#include <string>

// A window handle and the messages the program sends to any window; it owns
// nothing, so foreign windows are wrapped by value.
class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;

    static CWnd FromHandle(HWND hwnd) { return CWnd(hwnd); }
    operator HWND() const { return m_hWnd; }

    bool IsWindow() const { return ::IsWindow(m_hWnd) != FALSE; }
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    CWnd GetParent() const { return CWnd(::GetParent(m_hWnd)); }
    bool EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    CWnd SetFocus() const { return CWnd(::SetFocus(m_hWnd)); }
    std::string GetWindowText() const;
    bool SetWindowText(const std::string& text) const { return ::SetWindowTextA(m_hWnd, text.c_str()) != FALSE; }
    bool ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool UpdateWindow() const { return ::UpdateWindow(m_hWnd) != FALSE; }
    bool DestroyWindow() { return ::DestroyWindow(m_hWnd) != FALSE; }
    bool PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageA(m_hWnd, msg, wp, lp) != FALSE; }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }

    HWND m_hWnd = nullptr;
};

// Registers a window class with our message dispatch once, under a name of
// the caller's by which other processes can find the window.
std::string AfxRegisterNamedWndClass(const std::string& name, UINT classStyle, HCURSOR cursor = nullptr,
                                     HBRUSH background = nullptr, HICON icon = nullptr);

// A top-level window of our own. One window procedure serves every frame: it
// finds the object through the window's user data and calls OnMessage.
class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;
    CFrameWnd(const CFrameWnd&) = delete;
    CFrameWnd& operator=(const CFrameWnd&) = delete;

    bool CreateEx(DWORD exStyle, const std::string& className, const std::string& title,
                  DWORD style, const RECT& rect, HWND parent);

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCTA&) { return TRUE; }
    // Splits a message into the handlers below; anything unhandled goes to
    // the default window procedure.
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    virtual int OnCreate(CREATESTRUCTA*) { return 0; }
    virtual void OnPaint() { Default(); }
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnSysCommand(UINT command, LPARAM lp) { DefWindowProcA(m_hWnd, WM_SYSCOMMAND, command, lp); }
    virtual bool OnCommand(UINT) { return false; }
    virtual void OnClose() { DestroyWindow(); }
    virtual void OnDestroy() {}
    // Called after the window is gone; the object stays unless a class says otherwise.
    virtual void PostNcDestroy() {}

    // Default processing of the message being handled.
    LRESULT Default() { return DefWindowProcA(m_hWnd, current.msg, current.wp, current.lp); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    struct { UINT msg; WPARAM wp; LPARAM lp; } current{};
    friend std::string AfxRegisterNamedWndClass(const std::string&, UINT, HCURSOR, HBRUSH, HICON);
};
