// Non-owning wrappers of the common controls: one line per message.
#pragma once
#include "framework/Wnd.h"

#include <string>

class CListBox : public CWnd {
public:
    CListBox() = default;
    explicit CListBox(HWND hwnd) : CWnd(hwnd) {}

    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int AddString(const std::string& text) const { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()))); }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    // -1 searches the whole list; letter case is ignored.
    int FindStringExact(int startAfter, const std::string& text) const { return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, startAfter, reinterpret_cast<LPARAM>(text.c_str()))); }
    int GetTextLen(int index) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, index)); }
    std::string GetText(int index) const;
};

inline std::string CListBox::GetText(int index) const
{
    int length = GetTextLen(index);
    if (length < 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = static_cast<int>(SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0])));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
