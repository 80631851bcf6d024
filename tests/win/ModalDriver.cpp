#include "ModalDriver.h"

#include <algorithm>

namespace wintest {

namespace {

struct PendingScript {
    std::function<bool()> ready;
    std::function<void()> script;
};
PendingScript* pending = nullptr;

VOID CALLBACK StartScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!pending || !pending->ready()) return;
    KillTimer(nullptr, timer);
    PendingScript* current = pending;
    pending = nullptr;
    current->script();
}

struct Answers {
    std::vector<Responder> responders;
    std::vector<HWND> known;   // dialogs open before the action, and those answered
    std::vector<Answered> seen;
};
Answers* answers = nullptr;

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM lp)
{
    char className[16] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> OpenDialogs()
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), &CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

std::string TextOf(HWND hwnd)
{
    char text[2048] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

VOID CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD)
{
    if (!answers || answers->responders.empty()) return;
    for (HWND dialog : OpenDialogs()) {
        if (std::find(answers->known.begin(), answers->known.end(), dialog) != answers->known.end()) continue;
        answers->known.push_back(dialog);
        Answered seen;
        seen.caption = TextOf(dialog);
        Responder respond = answers->responders.front();
        answers->responders.erase(answers->responders.begin());
        respond(dialog, seen);
        answers->seen.push_back(seen);
        return;
    }
}

POINT ItemCentre(HWND list, int index)
{
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

}  // namespace

INT_PTR RunModal(const std::function<INT_PTR()>& start, const std::function<bool()>& ready,
                 const std::function<void()>& script)
{
    PendingScript run{ready, script};
    pending = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &StartScript);
    INT_PTR result = start();
    KillTimer(nullptr, timer);
    pending = nullptr;
    return result;
}

Responder PressOk()
{
    return [](HWND dialog, Answered& seen) {
        constexpr int messageTextId = 0xFFFF;   // the static text of a message box
        seen.text = TextOf(GetDlgItem(dialog, messageTextId));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

Responder TypeAndClose(int editId, const std::string& text, bool ok)
{
    return [=](HWND dialog, Answered&) {
        Retype(GetDlgItem(dialog, editId), text);
        Click(GetDlgItem(dialog, ok ? IDOK : IDCANCEL));
    };
}

namespace {
std::vector<Answered> Answer(std::vector<Responder> responders, const std::function<void()>& action,
                             DWORD waitForLaterMs)
{
    Answers current{std::move(responders), OpenDialogs(), {}};
    Answers* outer = answers;
    answers = &current;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &AnswerDialogs);
    action();
    DWORD deadline = GetTickCount() + waitForLaterMs;
    while (!current.responders.empty() && GetTickCount() < deadline) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    KillTimer(nullptr, timer);
    answers = outer;
    return current.seen;
}
}  // namespace

std::vector<Answered> Answering(std::vector<Responder> responders, const std::function<void()>& action)
{
    // What the action posted may open a dialog only now.
    return Answer(std::move(responders), action, 5000);
}

std::vector<Answered> AnsweringEach(const Responder& responder, const std::function<void()>& action)
{
    constexpr size_t enough = 16;
    return Answer(std::vector<Responder>(enough, responder), action, 0);
}

void Click(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
}

void ClickInside(HWND control)
{
    RECT area;
    GetClientRect(control, &area);
    LPARAM at = MAKELPARAM(area.right / 2, area.bottom / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
}

void ClickItem(HWND list, int index)
{
    POINT at = ItemCentre(list, index);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void DoubleClickItem(HWND list, int index)
{
    ClickItem(list, index);
    POINT at = ItemCentre(list, index);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void Type(HWND control, const std::string& characters)
{
    SetFocus(control);
    for (char c : characters) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 0);
}

void Retype(HWND edit, const std::string& text)
{
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Type(edit, text.empty() ? std::string(1, '\b') : text);
}

namespace {
std::vector<std::string> Items(HWND control, UINT countMessage, UINT textMessage)
{
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(control, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        SendMessageA(control, textMessage, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}
}  // namespace

std::vector<std::string> ListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXT); }

std::vector<std::string> ComboItems(HWND combo) { return Items(combo, CB_GETCOUNT, CB_GETLBTEXT); }

std::string ComboText(HWND combo)
{
    return TextOf(combo);
}

void ChooseInDropDown(HWND combo, const std::string& item)
{
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(combo, CB_SETCURSEL, SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(item.c_str())), 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace wintest
