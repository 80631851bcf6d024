#include "config/ConfigProp.h"

#include "os/SystemServices.h"
#include "framework/WinApp.h"
#include "os/Win32FileSystem.h"

#include <utility>

CConfigProp* g_pConfigSheet = nullptr;

namespace {
// What OK could not store, and that nothing is lost yet.
std::string DescribeFailures(const StoreFailures& failed)
{
    std::string text = "Your changes could not all be saved.";
    if (failed.collectionsFile)
        text += "\n\nThe file " + GetWindowsFolder() +
                "\\Tombolix2.ini could not be written: it may be read-only, in use by another program, or on a "
                "full disk.";
    if (failed.settingsStore)
        text += "\n\nThe registry key HKEY_CURRENT_USER\\" + AfxGetApp()->GetAppRegistryPath() +
                "\\Config could not be written.";
    return text + "\n\nYour changes are still shown: press OK to try again, or Cancel to leave them unsaved.";
}
}  // namespace

CConfigProp::CConfigProp(const std::string& caption, HWND parent, UINT startPage, CStoredState& stored,
                         CSheetEdits& edits, IFolderChooser& folderChooser)
    : CPropertySheet(caption, parent, startPage),
      stored(stored),
      edits(edits),
      collectionsPage(stored, edits, catalogue),
      schedulePage(edits),
      informationPage(edits),
      foldersPage(edits, catalogue, folderChooser),
      trayPage(edits),
      optionsPage(edits, catalogue, *this),
      uninstallPage(edits)
{
    AddPage(&collectionsPage);
    AddPage(&schedulePage);
    AddPage(&trayPage);
    AddPage(&optionsPage);
    AddPage(&foldersPage);
    AddPage(&informationPage);
    AddPage(&uninstallPage);
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

bool CConfigProp::OnApply()
{
    CommitOutcome outcome = stored.Commit(edits);
    if (outcome.failed.Any()) {
        ShowError(m_hWnd, DescribeFailures(outcome.failed));
        return false;
    }
    if (outcome.fileWasReplaced)
        ShowNote(m_hWnd, "The file " + GetWindowsFolder() +
                             "\\Tombolix2.ini was missing or had been replaced while these settings were open.\n\n"
                             "Everything shown for the collections you opened, and the extra folders, has been "
                             "written to it again.");
    return true;
}

void CConfigProp::SetToolTipsActive(bool active)
{
    // The Uninstall page has no tips.
    const std::pair<const CWnd&, const CToolTipCtrl&> pages[] = {
        {collectionsPage, collectionsPage.GetToolTip()}, {schedulePage, schedulePage.GetToolTip()},
        {informationPage, informationPage.GetToolTip()},
        {foldersPage, foldersPage.GetToolTip()},         {trayPage, trayPage.GetToolTip()},
        {optionsPage, optionsPage.GetToolTip()},
    };
    for (const auto& [page, toolTip] : pages)
        if (page.IsWindow()) toolTip.Activate(active);
}
