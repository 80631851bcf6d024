#include "framework/PropertySheet.h"

#include "framework/WinApp.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId)
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
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG)
        self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
    return Route(self, hwnd, msg, wp, lp);
}

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case PSN_KILLACTIVE:
        // TRUE keeps the user on this page.
        result = UpdateData(true) ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        if (!UpdateData(true)) {
            if (sheet) sheet->closedWithOk = false;
            result = PSNRET_INVALID_NOCHANGEPAGE;
            return true;
        }
        OnOK();
        if (sheet && sheet->IsLastCreatedPage(this) && !sheet->OnApply()) {
            sheet->closedWithOk = false;
            result = PSNRET_INVALID_NOCHANGEPAGE;
            return true;
        }
        // lParam is TRUE when the sheet closes through OK rather than Apply.
        if (sheet && reinterpret_cast<PSHNOTIFY*>(header)->lParam) sheet->closedWithOk = true;
        result = PSNRET_NOERROR;
        return true;
    default:
        return false;
    }
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

bool CPropertySheet::IsLastCreatedPage(const CPropertyPage* page) const
{
    for (auto it = pages.rbegin(); it != pages.rend(); ++it)
        if ((*it)->IsWindow()) return *it == page;
    return false;
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
    // The owner may be another program's window, the foreground one, that
    // closed while the pages were being made: no sheet can stand on it, so
    // this one opens on its own rather than not at all.
    if (!m_hWnd && m_psh.hwndParent && !::IsWindow(m_psh.hwndParent)) {
        m_psh.hwndParent = nullptr;
        result = PropertySheetA(&m_psh);
    }
    sheetBeingCreated = nullptr;
    m_hWnd = nullptr;
    return result >= 0 && closedWithOk ? IDOK : IDCANCEL;
}
