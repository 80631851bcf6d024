// The settings sheet: six pages, OK and Cancel, no Apply.
#pragma once
#include "config/CollectionsPage.h"
#include "config/FoldersPage.h"
#include "config/InfoPage.h"
#include "config/OptionsPage.h"
#include "config/TrayPage.h"
#include "config/UninstallPage.h"
#include "framework/PropertySheet.h"

class CConfigProp : public CPropertySheet {
public:
    CConfigProp(const std::string& caption, HWND parent, UINT startPage);

    CSettingsPage& GetCollectionsPage() { return collectionsPage; }
    COptionsPage& GetOptionsPage() { return optionsPage; }

private:
    // Declared in the order of construction; the tabs follow AddPage.
    CSettingsPage collectionsPage;
    CInfoPage informationPage;
    CFoldersPage foldersPage;
    CTrayPage trayPage;
    COptionsPage optionsPage;
    CUninstallPage uninstallPage;
};

// The sheet while it is shown, else null: how one page reaches another.
extern CConfigProp* g_pConfigSheet;
