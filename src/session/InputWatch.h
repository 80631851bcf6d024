// Watches the user's input while screen savers run in our windows: one
// started with "/p" ignores the keyboard and the mouse, so a key, a click,
// the wheel or a move of the mouse by more than a few pixels is seen here,
// through the low-level hooks, whichever window is under the pointer.
#pragma once
#include <windows.h>

#include <functional>

class CInputWatch {
public:
    // One at a time: the hooks reach it through a static pointer.
    explicit CInputWatch(std::function<void()> onInput);
    ~CInputWatch();
    CInputWatch(const CInputWatch&) = delete;
    CInputWatch& operator=(const CInputWatch&) = delete;

    // Both hooks are in place.
    bool IsWatching() const { return keyboard && mouse; }

private:
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK MouseHook(int code, WPARAM wp, LPARAM lp);
    void Notice();

    std::function<void()> onInput;
    POINT firstPosition{};
    bool noticed = false;
    HHOOK keyboard = nullptr;
    HHOOK mouse = nullptr;
};
