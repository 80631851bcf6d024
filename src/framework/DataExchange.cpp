#include "framework/DataExchange.h"

#include "base/TextPieces.h"
#include "framework/Controls.h"
#include "framework/WinApp.h"


HWND CDataExchange::PrepareCtrl(int id)
{
    lastControl = dialog.GetDlgItem(id);
    lastIsEdit = false;
    return lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    PrepareCtrl(id);
    lastIsEdit = true;
    return lastControl;
}

void CDataExchange::Fail()
{
    failed = true;
    CWnd control(lastControl);
    control.SetFocus();
    if (lastIsEdit) CEdit(lastControl).SetSel(0, -1);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (!pDX->Failed()) control.m_hWnd = pDX->PrepareCtrl(id);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (pDX->Failed()) return;
    CWnd edit(pDX->PrepareEditCtrl(id));
    if (pDX->m_bSaveAndValidate) value = edit.GetWindowText();
    else edit.SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    if (pDX->Failed()) return;
    CButton check;
    check.m_hWnd = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) value = check.GetCheck();
    else check.SetCheck(value);
}

namespace {
// The framework's box for a refused value, and the failed exchange.
void Refuse(CDataExchange* pDX, const char* text)
{
    const CWinApp* app = AfxGetApp();
    MessageBoxA(pDX->Dialog(), text, app ? app->m_appName.c_str() : nullptr, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}
}  // namespace

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars)
{
    if (pDX->Failed()) return;
    if (!pDX->m_bSaveAndValidate) {
        // The edit then takes no more from the keyboard or a paste.
        CEdit(pDX->LastControl()).LimitText(maxChars);
        return;
    }
    if (static_cast<int>(value.size()) <= maxChars) return;
    char text[64];
    wsprintfA(text, "Please enter no more than %d characters.", maxChars);
    Refuse(pDX, text);
}

void DDV_MinMaxDigits(CDataExchange* pDX, const std::string& value, int minValue, int maxValue)
{
    if (pDX->Failed()) return;
    if (!pDX->m_bSaveAndValidate) {
        CEdit(pDX->LastControl()).LimitText(static_cast<int>(FormatDecimal(maxValue).size()));
        return;
    }
    // An emptied edit means what its page makes of it (a default, or no change).
    if (value.empty() || ReadBoundedNumber(value, minValue, maxValue)) return;
    char text[96];
    wsprintfA(text, "Please enter an integer between %d and %d.", minValue, maxValue);
    Refuse(pDX, text);
}
