#include "config/ConfigProp.h"

#include <utility>

CConfigProp* g_pConfigSheet = nullptr;

CConfigProp::CConfigProp(const std::string& caption, HWND parent, UINT startPage)
    : CPropertySheet(caption, parent, startPage)
{
    AddPage(&collectionsPage);
    AddPage(&trayPage);
    AddPage(&optionsPage);
    AddPage(&foldersPage);
    AddPage(&informationPage);
    AddPage(&uninstallPage);
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

void CConfigProp::SetToolTipsActive(bool active)
{
    // The Uninstall page has no tips.
    const std::pair<const CWnd&, const CToolTipCtrl&> pages[] = {
        {collectionsPage, collectionsPage.GetToolTip()}, {informationPage, informationPage.GetToolTip()},
        {foldersPage, foldersPage.GetToolTip()},         {trayPage, trayPage.GetToolTip()},
        {optionsPage, optionsPage.GetToolTip()},
    };
    for (const auto& [page, toolTip] : pages)
        if (page.IsWindow()) toolTip.Activate(active);
}
