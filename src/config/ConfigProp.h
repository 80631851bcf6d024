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
    // The Collections page's lists: every screen saver found, for the
    // Folders and Options pages. Valid while that page's window exists.
    const CListBox& GetAvailableList() const { return collectionsPage.GetAvailableList(); }
    const CListBox& GetSelectedList() const { return collectionsPage.GetSelectedList(); }
    COptionsPage& GetOptionsPage() { return optionsPage; }
    CFoldersPage& GetFoldersPage() { return foldersPage; }

    // Switches the tips of every page that exists on or off; a page created
    // later reads the setting itself.
    void SetToolTipsActive(bool active);

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
