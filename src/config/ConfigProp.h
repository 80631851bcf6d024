// The settings sheet: seven pages, OK and Cancel, no Apply. The pages edit the
// sheet's copy of the settings; OK stores what they changed, Cancel drops it.
#pragma once
#include "collections/SheetEdits.h"
#include "collections/StoredState.h"
#include "config/CollectionsPage.h"
#include "config/FoldersPage.h"
#include "config/InfoPage.h"
#include "config/OptionsPage.h"
#include "config/SaverCatalogue.h"
#include "config/SchedulePage.h"
#include "config/TrayPage.h"
#include "config/UninstallPage.h"
#include "framework/PropertySheet.h"
#include "os/FolderChooser.h"
#include "os/Win32FileSystem.h"

class CConfigProp final : public CPropertySheet, public IToolTipSwitch {
public:
    // The Folders page asks the chooser for the folders it adds.
    CConfigProp(const std::string& caption, HWND parent, UINT startPage, CStoredState& stored, CSheetEdits& edits,
                IFolderChooser& folderChooser);

    CSheetEdits& GetEdits() { return edits; }
    CSaverCatalogue& GetCatalogue() { return catalogue; }

    CSettingsPage& GetCollectionsPage() { return collectionsPage; }
    CSchedulePage& GetSchedulePage() { return schedulePage; }
    COptionsPage& GetOptionsPage() { return optionsPage; }
    CFoldersPage& GetFoldersPage() { return foldersPage; }

    // Switches the tips of every page that exists on or off; a page created
    // later reads the setting itself.
    void SetToolTipsActive(bool active) override;

protected:
    // Stores what the pages changed; a write that fails is reported and
    // keeps the sheet open with the changes.
    bool OnApply() override;

private:
    CStoredState& stored;
    CSheetEdits& edits;
    CWin32FileSystem fileSystem;
    // Before the pages, which watch it.
    CSaverCatalogue catalogue{fileSystem};
    // Declared in the order of construction; the tabs follow AddPage.
    CSettingsPage collectionsPage;
    CSchedulePage schedulePage;
    CInfoPage informationPage;
    CFoldersPage foldersPage;
    CTrayPage trayPage;
    COptionsPage optionsPage;
    CUninstallPage uninstallPage;
};

// The sheet while it is shown, else null: how the resident instance finds
// the open sheet. Its pages are handed what they need of it instead.
extern CConfigProp* g_pConfigSheet;
