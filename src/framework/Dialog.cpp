#include "framework/Dialog.h"

#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, const CWnd* parent)
    : templateId(templateId), parent(parent ? parent->m_hWnd : nullptr)
{
}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(templateId), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(*this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(UINT id, UINT /*code*/, HWND /*control*/)
{
    switch (id) {
    case IDOK:     OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default:       return false;
    }
}

HBRUSH CDialog::DefaultCtlColorStatic(HDC dc, HWND control)
{
    askingDefault = true;
    LRESULT brush = DefDlgProcA(m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    askingDefault = false;
    return reinterpret_cast<HBRUSH>(brush);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* self = msg == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lp) : nullptr;
    return Route(self, hwnd, msg, wp, lp);
}

INT_PTR CDialog::Route(CDialog* self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (self) {
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        return self->Dispatch(msg, wp, lp);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lp), result)) return FALSE;
        // A dialog procedure hands its results back through DWLP_MSGRESULT.
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        if (askingDefault) return FALSE;
        return reinterpret_cast<INT_PTR>(OnCtlColorStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
    case WM_NCDESTROY:
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
