#include "config/FoldersPage.h"

#include "os/SystemServices.h"
#include "collections/Settings.h"
#include "config/ToolTips.h"
#include "res/resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// In the order in which the page adds them.
const ControlTip toolTips[] = {
    {IDC_FOLDER_LIST, "List of additional folders that Tombolix will search when launching a screensaver"},
    {IDC_ADD_FOLDER, "Add a new folder to the list"},
    {IDC_REMOVE_FOLDER, "Remove the currently selected folder from the list"},
};

}  // namespace

const CommandMapEntry<CFoldersPage> CFoldersPage::messageMap[] = {
    {IDC_ADD_FOLDER, BN_CLICKED, &CFoldersPage::OnAdd},
    {IDC_REMOVE_FOLDER, BN_CLICKED, &CFoldersPage::OnRemove},
};

CFoldersPage::CFoldersPage(CSheetEdits& edits, CSaverCatalogue& catalogue, IFolderChooser& folderChooser)
    : CSheetPage(IDD_FOLDERS, edits), m_catalogue(catalogue), m_folderChooser(folderChooser)
{
}

CFoldersPage::~CFoldersPage() = default;

void CFoldersPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOLDER_LIST, m_folderList);
}

bool CFoldersPage::OnCommand(UINT id, UINT code, HWND control)
{
    if (CSheetPage::OnCommand(id, code, control)) return true;
    return DispatchCommand(*this, messageMap, id, code);
}

BOOL CFoldersPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CreatePageToolTips(toolTips);
    ShowAlwaysSearchedFolders();
    // Every entry, duplicates too: the list shows what is searched.
    for (const std::string& folder : m_edits.edited.folders) m_folderList.AddString(folder);
    return TRUE;
}

void CFoldersPage::ShowAlwaysSearchedFolders()
{
    // The static control shows "&&" as one "&".
    std::vector<std::string> folders{GetWindowsFolder()};
    for (const std::string& system : GetSystemFolders()) folders.push_back(system);
    GetDlgItem(IDC_ALWAYS_SEARCHED)
        .SetWindowText(JoinFolderNames(folders) + " are always searched for screensavers.");
}

void CFoldersPage::OnAdd()
{
    std::string folder = m_folderChooser.ChooseFolder(m_hWnd, "Choose a folder containing your screensavers:");
    if (folder.empty()) return;
    // The list shows a folder once, letter case aside; the settings keep
    // each addition.
    if (m_folderList.FindStringExact(-1, folder) < 0) m_folderList.AddString(folder);

    CFileFinder finder(m_fileSystem, folder);
    if (finder.Find("*.scr") == 0) ShowNote("No screensavers (*.scr) were found in this folder.");
    m_edits.edited.folders.push_back(folder);
    m_catalogue.AddFolder(finder);
}

void CFoldersPage::OnRemove()
{
    int current = m_folderList.GetCurSel();
    if (current < 0) return;
    std::string folder = m_folderList.GetText(current);

    // A folder out of reach now (a drive without its disk) lists nothing
    // and so takes no names out.
    CFileFinder finder(m_fileSystem, folder);
    finder.Find("*.scr");
    m_folderList.DeleteString(current);

    // Every entry of exactly this spelling.
    std::vector<std::string>& folders = m_edits.edited.folders;
    folders.erase(std::remove(folders.begin(), folders.end(), folder), folders.end());
    m_catalogue.RemoveFolder(finder);
}
