#include "config/TrayPage.h"

#include "collections/Settings.h"
#include "config/ToolTips.h"

namespace {
// In the order in which the page adds them.
const ControlTip toolTips[] = {
    {IDC_USE_TRAY, "Select if you would like Tombolix to run with an icon in the System Tray, allowing quick access "
                   "to your screensavers"},
    {IDC_AUTO_START, "Select if you would like Tombolix to appear in the System Tray automatically every time "
                     "Windows starts up"},
};
}  // namespace

const CommandMapEntry<CTrayPage> CTrayPage::messageMap[] = {
    {IDC_USE_TRAY, BN_CLICKED, &CTrayPage::OnUseTrayClicked},
};

CTrayPage::CTrayPage(CSheetEdits& edits)
    : CSheetPage(IDD_TRAY, edits),
      m_useTray(CheckState(edits.edited.useTray)),
      m_autoStart(CheckState(edits.edited.autoStart))
{
}

void CTrayPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_USE_TRAY, m_useTray);
    DDX_Check(pDX, IDC_AUTO_START, m_autoStart);
    // Starting with Windows only means something for the resident instance.
    GetDlgItem(IDC_AUTO_START).EnableWindow(m_useTray != BST_UNCHECKED);
}

BOOL CTrayPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CreatePageToolTips(toolTips);
    return TRUE;
}

bool CTrayPage::OnCommand(UINT id, UINT code, HWND control)
{
    if (CSheetPage::OnCommand(id, code, control)) return true;
    return DispatchCommand(*this, messageMap, id, code);
}

void CTrayPage::OnUseTrayClicked()
{
    UpdateData(true);
}

void CTrayPage::OnOK()
{
    UpdateData(true);
    ProgramOptions& options = m_edits.edited;
    options.useTray = m_useTray != BST_UNCHECKED;
    options.autoStart = m_autoStart != BST_UNCHECKED;
}
