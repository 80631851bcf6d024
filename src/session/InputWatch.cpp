#include "session/InputWatch.h"

#include <cstdlib>

namespace {
constexpr LONG mouseTolerance = 4;   // pixels the mouse may drift, as the blanker allows
CInputWatch* current = nullptr;
}  // namespace

CInputWatch::CInputWatch(std::function<void()> onInput) : onInput(std::move(onInput))
{
    GetCursorPos(&firstPosition);
    current = this;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, &KeyboardHook, instance, 0);
    mouse = SetWindowsHookExA(WH_MOUSE_LL, &MouseHook, instance, 0);
}

CInputWatch::~CInputWatch()
{
    if (keyboard) UnhookWindowsHookEx(keyboard);
    if (mouse) UnhookWindowsHookEx(mouse);
    current = nullptr;
}

void CInputWatch::Notice()
{
    // Told once: the end it starts takes a moment.
    if (noticed) return;
    noticed = true;
    onInput();
}

LRESULT CALLBACK CInputWatch::KeyboardHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HC_ACTION && current && (wp == WM_KEYDOWN || wp == WM_SYSKEYDOWN)) current->Notice();
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK CInputWatch::MouseHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HC_ACTION && current) {
        const POINT at = reinterpret_cast<const MSLLHOOKSTRUCT*>(lp)->pt;
        bool moved = labs(at.x - current->firstPosition.x) > mouseTolerance ||
                     labs(at.y - current->firstPosition.y) > mouseTolerance;
        if (wp != WM_MOUSEMOVE || moved) current->Notice();
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}
