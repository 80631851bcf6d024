// A menu loaded or made by this code, destroyed when its owner goes. Menus
// attached to a window are the window's, and are not held by one of these.
#pragma once
#include <windows.h>

class COwnedMenu {
public:
    explicit COwnedMenu(HMENU menu) : menu(menu) {}
    ~COwnedMenu()
    {
        if (menu) DestroyMenu(menu);
    }
    COwnedMenu(const COwnedMenu&) = delete;
    COwnedMenu& operator=(const COwnedMenu&) = delete;

    explicit operator bool() const { return menu != nullptr; }
    HMENU get() const { return menu; }

private:
    HMENU menu;
};
