// Dialog data exchange: members to controls when a dialog opens, controls
// to members (with validation) when it closes or a page is left.
#pragma once
#include "framework/Wnd.h"

#include <string>

class CDataExchange {
public:
    CDataExchange(const CWnd& dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), dialog(dialog) {}

    // The control of the id, remembered as the one a failure points at.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // A value was refused: the control of the last exchange gets the focus
    // (an edit with its text selected) and every later exchange is skipped.
    void Fail();
    bool Failed() const { return failed; }
    HWND LastControl() const { return lastControl; }
    const CWnd& Dialog() const { return dialog; }

    const bool m_bSaveAndValidate;

private:
    const CWnd& dialog;
    HWND lastControl = nullptr;
    bool lastIsEdit = false;
    bool failed = false;
};

// Binds a wrapper to the dialog's control.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// A check box's state: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Limits the edit of the last DDX_Text; refuses a longer text with the
// usual message.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);
// Limits the edit of the last DDX_Text to the digits of maxValue; refuses
// anything but an empty text or a whole number from minValue to maxValue
// with the usual message.
void DDV_MinMaxDigits(CDataExchange* pDX, const std::string& value, int minValue, int maxValue);
