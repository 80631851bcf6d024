#include "config/UninstallPage.h"

#include "os/SystemServices.h"
#include "collections/Settings.h"

bool CUninstallPage::OnCommand(UINT id, UINT code, HWND)
{
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_UNINSTALL_STEP1:
        PrepareUninstall();
        return true;
    case IDC_HELP_PAGE:
        ShowHelp(m_edits.installFolder);
        return true;
    default:
        return false;
    }
}

void CUninstallPage::PrepareUninstall()
{
    // In the sheet's copy: when the sheet closes, every stored setting
    // goes; OK also closes the resident instance, Cancel leaves it running.
    m_edits.RequestUninstall();
    ShowNote("Step 1 for Uninstalling completed.");
}
