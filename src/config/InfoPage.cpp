#include "config/InfoPage.h"

#include "os/SystemServices.h"
#include "collections/Settings.h"
#include "config/ToolTips.h"

#include <shellapi.h>

namespace {
// The maker's pages: shown without the scheme, opened with it.
const char* const siteText = "www.brackwen.example";
const char* const siteAddress = "https://www.brackwen.example/";
const char* const supportText = "www.brackwen.example/faq.htm";
const char* const supportAddress = "https://www.brackwen.example/faq.htm";
constexpr COLORREF linkColour = RGB(0, 0, 255);
const ControlTip toolTips[] = {
    {IDC_SITE_LINK, "Click here to go to Brackwen's web site"},
    {IDC_SUPPORT_LINK, "Online answers to common questions. Please read before emailing for support."},
};
}  // namespace

const CommandMapEntry<CInfoPage> CInfoPage::messageMap[] = {
    {IDC_SITE_LINK, EN_SETFOCUS, &CInfoPage::OnSiteLink},
    {IDC_SUPPORT_LINK, EN_SETFOCUS, &CInfoPage::OnSupportLink},
};

CInfoPage::CInfoPage(CSheetEdits& edits)
    : CSheetPage(IDD_INFORMATION, edits),
      m_heading("Tombolix Screensaver v" + GetProductVersion()),
      m_body(std::string("Answers to common support questions are available on ") + supportText +
             ". Please read these before emailing for support.\r\n\r\n")
{
}

void CInfoPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_INFO_HEADING, m_heading);
    DDX_Text(pDX, IDC_INFO_BODY, m_body);
}

BOOL CInfoPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CreatePageToolTips(toolTips);
    GetDlgItem(IDC_SITE_LINK).SetWindowText(siteText);
    GetDlgItem(IDC_SUPPORT_LINK).SetWindowText(supportText);
    return TRUE;
}

bool CInfoPage::OnCommand(UINT id, UINT code, HWND control)
{
    if (CSheetPage::OnCommand(id, code, control)) return true;
    return DispatchCommand(*this, messageMap, id, code);
}

HBRUSH CInfoPage::OnCtlColorStatic(HDC dc, HWND control)
{
    // The colours every static gets, with the links' text in blue.
    HBRUSH brush = DefaultCtlColorStatic(dc, control);
    int id = GetDlgCtrlID(control);
    if (id == IDC_SITE_LINK || id == IDC_SUPPORT_LINK) SetTextColor(dc, linkColour);
    return brush;
}

void CInfoPage::OnSiteLink() { OpenLink(siteAddress); }

void CInfoPage::OnSupportLink() { OpenLink(supportAddress); }

void CInfoPage::OpenLink(const char* address)
{
    GetDlgItem(IDC_HELP_PAGE).SetFocus();
    ShellExecuteA(nullptr, "open", address, "", "", SW_SHOWMAXIMIZED);
}
