#include "config/UninstallPage.h"

#include "app/App.h"
#include "app/SystemServices.h"
#include "collections/Settings.h"

bool CUninstallPage::OnCommand(UINT id, UINT code, HWND)
{
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_UNINSTALL_STEP1:
        PrepareUninstall();
        return true;
    case IDC_HELP_PAGE:
        ShowHelp(GetApp().GetSettings());
        return true;
    default:
        return false;
    }
}

void CUninstallPage::PrepareUninstall()
{
    // In memory only: when the sheet closes, the resident instance is closed
    // (after OK) and every stored setting is removed (after OK or Cancel).
    CApp& app = GetApp();
    app.GetSettings().SetUseTray(false);
    app.GetSettings().SetAutoStart(false);
    app.SetUninstallRequested(true);
    ShowNote("Step 1 for Uninstalling completed.");
}
