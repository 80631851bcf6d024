#include "config/CollectionsPage.h"

#include "app/App.h"
#include "app/SystemServices.h"
#include "collections/Settings.h"
#include "config/NewCollectionDlg.h"
#include "config/ToolTips.h"
#include "framework/MessageMap.h"
#include "res/resource.h"

#include <vector>

namespace {

const char* const defaultCollection = "Default";
constexpr int maxDurationCharacters = 5;
const char* const levelTip = "How often the screensaver will be shown relative to the others";

// In the order in which the page adds them.
const ControlTip toolTips[] = {
    {IDC_DELETE, "Delete this collection"},
    {IDC_NEW, "Add a new collection"},
    {IDC_MOVE_ALL_BACK, "Moves all screensavers back to the Available list"},
    {IDC_MOVE_BACK, "Moves the selected screensaver back to the Available list"},
    {IDC_MOVE_ALL_FORWARD, "Moves all screensavers to the Selected list"},
    {IDC_MOVE_FORWARD, "Moves all highlighted screensavers to the Selected list"},
    {IDC_COLLECTION, "The selected collection will be the one used by Tombolix to launch screensavers"},
    {IDC_LEVEL_HIGH, levelTip},
    {IDC_LEVEL_LOW, levelTip},
    {IDC_LEVEL_MEDIUM, levelTip},
    {IDC_LEVEL_VERY_HIGH, levelTip},
    {IDC_LEVEL_VERY_LOW, levelTip},
    {IDC_DURATION, "How long Tombolix will let the screensaver run before interrupting it and starting the next. "
                   "Ignored if passwords are being used."},
    {IDC_COPY, "Copies the selected Frequency and Duration to all other screensavers in this collection"},
    {IDC_SETTINGS, "Displays the configuration screen for the selected screensaver"},
    {IDC_PREVIEW, "Runs the selected screensaver"},
    {IDC_RANDOM, "Screensavers will be selected at random according to the frequencies below"},
    {IDC_CYCLE, "The screensavers will be run in the order shown in the list"},
    {IDC_MOVE_DOWN, "Move the selected screensaver down one position in the list"},
    {IDC_MOVE_UP, "Move the selected screensaver up one position in the list"},
};

}  // namespace

const CommandMapEntry<CSettingsPage> CSettingsPage::messageMap[] = {
    {IDC_DELETE, BN_CLICKED, &CSettingsPage::OnDelete},
    {IDC_NEW, BN_CLICKED, &CSettingsPage::OnNew},
    {IDC_MOVE_ALL_BACK, BN_CLICKED, &CSettingsPage::OnMoveAllBack},
    {IDC_MOVE_BACK, BN_CLICKED, &CSettingsPage::OnMoveBack},
    {IDC_MOVE_ALL_FORWARD, BN_CLICKED, &CSettingsPage::OnMoveAllForward},
    {IDC_MOVE_FORWARD, BN_CLICKED, &CSettingsPage::OnMoveForward},
    {IDC_AVAILABLE, LBN_DBLCLK, &CSettingsPage::OnMoveForward},
    {IDC_SELECTED, LBN_DBLCLK, &CSettingsPage::OnMoveBack},
    {IDC_SELECTED, LBN_SELCHANGE, &CSettingsPage::ShowSelectedEntry},
    {IDC_DURATION, EN_CHANGE, &CSettingsPage::OnDurationChanged},
    {IDC_COPY, BN_CLICKED, &CSettingsPage::OnCopy},
    {IDC_SETTINGS, BN_CLICKED, &CSettingsPage::OnSettings},
    {IDC_PREVIEW, BN_CLICKED, &CSettingsPage::OnPreview},
    {IDC_CYCLE, BN_CLICKED, &CSettingsPage::OnModeChanged},
    {IDC_RANDOM, BN_CLICKED, &CSettingsPage::OnModeChanged},
    {IDC_MOVE_UP, BN_CLICKED, &CSettingsPage::OnMoveUp},
    {IDC_MOVE_DOWN, BN_CLICKED, &CSettingsPage::OnMoveDown},
    {IDC_COLLECTION, CBN_CLOSEUP, &CSettingsPage::OnCollectionClosedUp},
};

CSettingsPage::CSettingsPage()
    : CSheetPage(IDD_COLLECTIONS),
      m_windowsFinder(m_fileSystem, GetWindowsFolder()),
      m_systemFinder(m_fileSystem, GetSystemFolder())
{
}

CSettingsPage::~CSettingsPage() = default;

void CSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DURATION_SPIN, m_spin);
    DDX_Control(pDX, IDC_COPY, m_copyButton);
    DDX_Control(pDX, IDC_COLLECTION, m_collectionCombo);
    DDX_Control(pDX, IDC_SELECTED, m_selectedList);
    DDX_Control(pDX, IDC_AVAILABLE, m_availableList);
    DDX_Text(pDX, IDC_DURATION, m_durationText);
    DDV_MaxChars(pDX, m_durationText, maxDurationCharacters);
    for (int level = 0; level < 5; ++level) DDX_Control(pDX, IDC_LEVEL_VERY_HIGH + level, m_levelRadio[level]);
    DDX_Control(pDX, IDC_CYCLE, m_cycleRadio);
    DDX_Control(pDX, IDC_RANDOM, m_randomRadio);
}

bool CSettingsPage::OnCommand(UINT id, UINT code, HWND control)
{
    if (CSheetPage::OnCommand(id, code, control)) return true;
    if (id >= IDC_LEVEL_VERY_HIGH && id <= IDC_LEVEL_VERY_LOW && code == BN_CLICKED) {
        OnLevel(static_cast<int>(id) - IDC_LEVEL_VERY_HIGH);
        return true;
    }
    return DispatchCommand(*this, messageMap, id, code);
}

BOOL CSettingsPage::OnInitDialog()
{
    m_initializing = true;
    CPropertyPage::OnInitDialog();
    // The Windows and System folders are searched once per page; the extra
    // folders at every load.
    m_windowsFinder.Find("*.scr");
    m_systemFinder.Find("*.scr");
    m_collectionCombo.SetExtendedUI(true);

    CApp& app = GetApp();
    m_collectionCombo.ResetContent();
    for (const std::string& name : ListCollectionNames(app.GetCollectionsFile())) m_collectionCombo.AddString(name);
    if (m_collectionCombo.GetCount() == 0) {
        OfferDefaultCollection();
    } else {
        int current = m_collectionCombo.FindStringExact(-1, ReadCurrentName(app.GetSettingsStore()));
        m_collectionCombo.SetCurSel(current >= 0 ? current : 0);
    }
    LoadCollection();

    CreateToolTips(m_toolTip, *this, app.GetSettings().GetShowToolTips(), toolTips);
    m_spin.SetRange(1, 32767);
    UpdateControls();
    m_initializing = false;
    return TRUE;
}

// A file without collections, or a combo box emptied by deletions, still
// gives the page a collection to edit; it enters the file at its first save.
void CSettingsPage::OfferDefaultCollection()
{
    m_collectionCombo.SetCurSel(m_collectionCombo.AddString(defaultCollection));
}

void CSettingsPage::LoadCollection()
{
    if (m_pCollection) {
        StoreCollection();
        m_pCollection.reset();
    }
    CApp& app = GetApp();
    std::string name = m_collectionCombo.GetLBText(m_collectionCombo.GetCurSel());
    m_pCollection = std::make_unique<CCollection>(name, app.GetCollectionsFile(), app);
    m_pCollection->Load(true);

    bool cycle = m_pCollection->GetCycle();
    m_cycleRadio.SetCheck(CheckState(cycle));
    m_randomRadio.SetCheck(CheckState(!cycle));
    m_availableList.ResetContent();
    m_selectedList.ResetContent();
    ListAvailableSavers();
    ShowSelectedSavers();
    if (m_availableList.GetCount() > 0) m_availableList.SetTopIndex(0);
    if (m_selectedList.GetCount() > 0) m_selectedList.SetTopIndex(0);
    UpdateControls();
}

// Every screen saver found on disk, once, under the spelling of the first
// folder that has it, and marked available in the collection.
void CSettingsPage::ListAvailableSavers()
{
    CListBoxNames available(m_availableList);
    m_windowsFinder.FillList(available);
    m_systemFinder.FillList(available);
    bool everyFolderSearched = true;
    for (const std::string& folder : GetApp().GetSettings().GetFolders()) {
        CFileFinder finder(m_fileSystem, folder);
        finder.Find("*.scr");
        finder.FillList(available);
        everyFolderSearched = everyFolderSearched && FolderExists(folder);
    }
    // The program's own files never join a collection.
    for (int i = m_availableList.GetCount() - 1; i >= 0; --i)
        if (IsReservedName(m_availableList.GetText(i))) m_availableList.DeleteString(i);
    for (int i = 0; i < m_availableList.GetCount(); ++i)
        m_pCollection->FindOrAdd(m_availableList.GetText(i)).SetAvailable(true);
    // A screen saver not found may be on a drive that is offline now: only
    // when every folder could be searched does the next save forget it.
    if (!everyFolderSearched) m_pCollection->LeaveUnavailableEntriesAlone();
}

// Moves the selected screen savers into the Selected list by their order:
// for each position from 0 to count - 1 the first available item holding
// it. Positions that no item holds are skipped; their entries stay
// available. One pass finds all of them, so large collections load fast.
void CSettingsPage::ShowSelectedSavers()
{
    const int positions = m_pCollection->GetCount();
    std::vector<int> itemAt(static_cast<size_t>(positions > 0 ? positions : 0), -1);
    for (int i = 0; i < m_availableList.GetCount(); ++i) {
        const CSaverEntry& entry = m_pCollection->FindOrAdd(m_availableList.GetText(i));
        int order = entry.GetOrder();
        if (entry.IsSelected() && order >= 0 && order < positions && itemAt[static_cast<size_t>(order)] < 0)
            itemAt[static_cast<size_t>(order)] = i;
    }
    std::vector<bool> moved(static_cast<size_t>(m_availableList.GetCount()), false);
    for (int item : itemAt) {
        if (item < 0) continue;
        m_selectedList.AddString(m_availableList.GetText(item));
        moved[static_cast<size_t>(item)] = true;
    }
    for (int i = m_availableList.GetCount() - 1; i >= 0; --i)
        if (moved[static_cast<size_t>(i)]) m_availableList.DeleteString(i);
}

void CSettingsPage::StoreCollection()
{
    m_pCollection->ClearSelection();
    // Cycling starts again at the top of the list.
    m_pCollection->SetNextToUse(0);
    m_pCollection->SetCycle(m_cycleRadio.GetCheck() == BST_CHECKED);
    for (int i = 0; i < m_selectedList.GetCount(); ++i) {
        CSaverEntry& entry = m_pCollection->FindOrAdd(m_selectedList.GetText(i));
        entry.SetSelected(true);
        entry.SetOrder(i);
        // A name that the Folders page listed after the load was found on
        // disk all the same; without this its selection would not be saved.
        entry.SetAvailable(true);
    }
    m_pCollection->Save();
}

void CSettingsPage::OnOK()
{
    if (!m_pCollection) return;
    StoreCollection();
    WriteCurrentName(GetApp().GetSettingsStore(), m_pCollection->GetName());
}

void CSettingsPage::OnCollectionClosedUp()
{
    LoadCollection();
}

void CSettingsPage::OnNew()
{
    CNewCollectionDlg dialog(this);
    if (dialog.DoModal() != IDOK) return;
    const std::string& name = dialog.m_name;
    if (name.empty()) return;
    // The section of the extra folders is no collection, and the profile
    // functions would take the new one for it.
    if (m_collectionCombo.FindStringExact(-1, name) >= 0 || IsInternalSection(name)) {
        ShowError(m_hWnd, "This name is already used: " + name);
        return;
    }
    StoreCollection();
    m_collectionCombo.SetCurSel(m_collectionCombo.AddString(name));
    LoadCollection();
}

void CSettingsPage::OnDelete()
{
    if (!m_pCollection) return;
    // Letter case counts here: "default" may go.
    if (m_pCollection->GetName() == defaultCollection) {
        ShowError(m_hWnd, "'Default' is the only collection that cannot be deleted.");
        return;
    }
    int index = m_collectionCombo.FindStringExact(-1, m_pCollection->GetName());
    if (index < 0) return;
    m_pCollection->DeleteFromFile();
    m_pCollection.reset();

    m_collectionCombo.DeleteString(index);
    int remaining = m_collectionCombo.GetCount();
    if (index < remaining) m_collectionCombo.SetCurSel(index);
    else if (remaining > 0) m_collectionCombo.SetCurSel(remaining - 1);
    else OfferDefaultCollection();
    LoadCollection();
    WriteCurrentName(GetApp().GetSettingsStore(), m_pCollection->GetName());
}
