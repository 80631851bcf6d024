#include "config/ConfigProp.h"

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
