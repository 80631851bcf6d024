#include "config/SheetPage.h"

#include "os/SystemServices.h"
#include "res/resource.h"

bool CSheetPage::OnCommand(UINT id, UINT code, HWND)
{
    if (id != IDC_HELP_PAGE || code != BN_CLICKED) return false;
    ShowHelp(m_edits.installFolder);
    return true;
}
