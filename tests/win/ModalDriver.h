// Drives modal windows of this process from inside their message loops, as
// a user's clicks and keys would: a script runs once the window shows, and
// the dialogs that an action opens are answered in order.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Runs the script inside the modal loop that start() enters, as soon as
// ready() holds; start's result is returned.
INT_PTR RunModal(const std::function<INT_PTR()>& start, const std::function<bool()>& ready,
                 const std::function<void()>& script);

// What answered a dialog saw.
struct Answered {
    std::string caption;
    std::string text;   // a message box's text; "" for other dialogs
};

// Answers one dialog window; fills in what it saw.
using Responder = std::function<void(HWND dialog, Answered& seen)>;

// Presses OK in a message box.
Responder PressOk();
// Types the text into the edit of the id and presses OK, or Cancel.
Responder TypeAndClose(int editId, const std::string& text, bool ok);

// Runs the action, answering each dialog that it opens (other than the
// ones already open) with the next responder, and waits up to 5 s for
// dialogs that open later from what it posted; returns what they saw.
std::vector<Answered> Answering(std::vector<Responder> responders, const std::function<void()>& action);
// Answers every dialog that the action opens while it runs, none or many,
// with the same responder; waits for nothing afterwards.
std::vector<Answered> AnsweringEach(const Responder& responder, const std::function<void()>& action);

// Mouse and keyboard on controls of this thread.
void Click(HWND button);
// A left click inside any control, as the mouse gives it.
void ClickInside(HWND control);
void ClickItem(HWND list, int index);
void DoubleClickItem(HWND list, int index);
void Type(HWND control, const std::string& characters);
// Selects the whole text of an edit and replaces it with the typed text;
// an empty text deletes it.
void Retype(HWND edit, const std::string& text);

std::vector<std::string> ListItems(HWND list);
std::vector<std::string> ComboItems(HWND combo);
std::string ComboText(HWND combo);
// Opens the drop-down, picks the item and closes it again.
void ChooseInDropDown(HWND combo, const std::string& item);

}  // namespace wintest
