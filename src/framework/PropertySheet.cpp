#include "framework/PropertySheet.h"

#include "framework/WinApp.h"

CPropertyPage::CPropertyPage(UINT templateId) : templateId(templateId)
{
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxGetInstanceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = &CPropertyPage::DialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CPropertyPage* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        return self->Dispatch(msg, wp, lp);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CPropertyPage::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_DESTROY:
        m_hWnd = nullptr;
        return FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lp)->code == PSN_APPLY) {
            OnOK();
            // lParam is TRUE when the sheet closes through OK rather than Apply.
            if (sheet && reinterpret_cast<PSHNOTIFY*>(lp)->lParam) sheet->closedWithOk = true;
            result = PSNRET_NOERROR;
            break;
        }
        [[fallthrough]];
    default:
        if (!OnMessage(msg, wp, lp, result)) return FALSE;
        break;
    }
    // A dialog procedure hands its results back through DWLP_MSGRESULT.
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

CPropertySheet::CPropertySheet(const std::string& caption, HWND parent, UINT startPage)
    : caption(caption)
{
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hwndParent = parent;
    m_psh.hInstance = AfxGetInstanceHandle();
    m_psh.nStartPage = startPage;
    m_psh.pfnCallback = &CPropertySheet::SheetCallback;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    page->sheet = this;
    pages.push_back(page);
}

namespace {
CPropertySheet* sheetBeingCreated = nullptr;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM)
{
    if (msg == PSCB_INITIALIZED && sheetBeingCreated) sheetBeingCreated->m_hWnd = hwnd;
    return 0;
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEA> sheetPages;
    for (CPropertyPage* page : pages) sheetPages.push_back(page->m_psp);
    m_psh.pszCaption = caption.c_str();
    m_psh.nPages = static_cast<UINT>(sheetPages.size());
    m_psh.ppsp = sheetPages.data();

    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    closedWithOk = false;
    sheetBeingCreated = this;
    INT_PTR result = PropertySheetA(&m_psh);
    sheetBeingCreated = nullptr;
    m_hWnd = nullptr;
    return result >= 0 && closedWithOk ? IDOK : IDCANCEL;
}
