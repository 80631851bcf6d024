// Non-owning wrappers of the common controls: one line per message.
#pragma once
#include "framework/Wnd.h"

#include <commctrl.h>
#include <string>
#include <vector>

namespace detail {
// The text of a list or combo item through its length and text messages.
// The wide messages: the conversion behind the ANSI ones is not safe for
// long items everywhere.
std::string ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index);

inline LPARAM TextParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }
// Adds the texts with one redraw at the end, the storage reserved first.
void AddTexts(const CWnd& control, UINT storageMessage, UINT addMessage, const std::vector<std::string>& texts,
              WPARAM addParam = 0);
}  // namespace detail

// Sorts texts in the order of a sorting list box or combo box (the user's
// locale, letter case aside), through one sort key per text.
void SortAsListsSort(std::vector<std::string>& texts);

// While it lives, the control draws nothing; it is drawn once at the end.
// Changing many items, it keeps the time linear.
class CRedrawPause {
public:
    explicit CRedrawPause(const CWnd& control) : control(control) { control.SendMessage(WM_SETREDRAW, FALSE); }
    ~CRedrawPause()
    {
        control.SendMessage(WM_SETREDRAW, TRUE);
        InvalidateRect(control, nullptr, TRUE);
    }
    CRedrawPause(const CRedrawPause&) = delete;
    CRedrawPause& operator=(const CRedrawPause&) = delete;

private:
    const CWnd& control;
};

class CListBox : public CWnd {
public:
    CListBox() = default;
    explicit CListBox(HWND hwnd) : CWnd(hwnd) {}

    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    // Sorted in when the list sorts, else appended; returns the new index.
    int AddString(const std::string& text) const { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, detail::TextParam(text))); }
    // At the index, sorting or not.
    int InsertString(int index, const std::string& text) const { return static_cast<int>(SendMessage(LB_INSERTSTRING, index, detail::TextParam(text))); }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    // -1 searches the whole list; letter case is ignored.
    int FindStringExact(int startAfter, const std::string& text) const { return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, startAfter, detail::TextParam(text))); }
    std::string GetText(int index) const { return detail::ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index); }
    // Every item's text, top first.
    std::vector<std::string> GetTexts() const;
    // Each text as AddString adds it, drawn once.
    void AddStrings(const std::vector<std::string>& texts) const { detail::AddTexts(*this, LB_INITSTORAGE, LB_ADDSTRING, texts); }
    // The texts at the end in their order, even in a sorting list: texts
    // that SortAsListsSort ordered fill one without a comparison.
    void AppendStrings(const std::vector<std::string>& texts) const { detail::AddTexts(*this, LB_INITSTORAGE, LB_INSERTSTRING, texts, static_cast<WPARAM>(-1)); }
    // The current item; in a multiple-selection list the item with the
    // focus mark. LB_ERR (-1) when there is none.
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    // -1 leaves no item current; a multiple-selection list refuses.
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    // Whether the item is highlighted.
    bool GetSel(int index) const { return SendMessage(LB_GETSEL, index) > 0; }
    int SetSel(int index, bool highlight) const { return static_cast<int>(SendMessage(LB_SETSEL, highlight, index)); }
    // The highlighted items of a multiple-selection list, top first; the
    // current item of another.
    std::vector<int> GetSelItems() const;
    int SetTopIndex(int index) const { return static_cast<int>(SendMessage(LB_SETTOPINDEX, index)); }
    // Of a list with LBS_USETABSTOPS, in dialog units.
    bool SetTabStops(const std::vector<int>& stops) const { return SendMessage(LB_SETTABSTOPS, stops.size(), reinterpret_cast<LPARAM>(stops.data())) != FALSE; }
};

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int AddString(const std::string& text) const { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, detail::TextParam(text))); }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    // -1 searches the whole list; letter case is ignored.
    int FindStringExact(int startAfter, const std::string& text) const { return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, startAfter, detail::TextParam(text))); }
    std::string GetLBText(int index) const { return detail::ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }
    // Each text as AddString adds it, drawn once. They go to the drop-down
    // list, a list box of its own, directly: the combo box's own adding
    // costs about a tenth of a millisecond an item under Wine.
    void AddStrings(const std::vector<std::string>& texts) const;
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // Notifies nobody: no CBN_SELCHANGE follows.
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    // The down-arrow key opens the list instead of changing the choice.
    void SetExtendedUI(bool extended) const { SendMessage(CB_SETEXTENDEDUI, extended); }
};

// A check box's or radio button's state for a yes or no.
inline int CheckState(bool on) { return on ? BST_CHECKED : BST_UNCHECKED; }

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, state); }
};

class CEdit : public CWnd {
public:
    explicit CEdit(HWND hwnd) : CWnd(hwnd) {}
    void LimitText(int characters) const { SendMessage(EM_LIMITTEXT, characters); }
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) const { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
};

class CToolTipCtrl : public CWnd {
public:
    // A popup owned by the parent's window; the tips go with it.
    bool Create(const CWnd& parent, DWORD style);
    void Activate(bool active) const { SendMessage(TTM_ACTIVATE, active); }
    bool AddTool(const TOOLINFOA& tool) const { return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE; }
};
