#include "config/CollectionsPage.h"

#include "os/SystemServices.h"
#include "collections/Settings.h"
#include "collections/StoredNames.h"
#include "base/TextPieces.h"
#include "collections/ScheduleText.h"
#include "config/NewCollectionDlg.h"
#include "config/ToolTips.h"
#include "framework/MessageMap.h"
#include "os/Win32FileSystem.h"
#include "res/resource.h"

#include <algorithm>
#include <set>
#include <unordered_set>
#include <vector>

namespace {

const char* const defaultCollection = "Default";
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

// Why New refuses a name the file cannot hold as it is; null for the others.
const char* RefusalOf(CollectionNameProblem problem)
{
    switch (problem) {
    case CollectionNameProblem::TooLong:
        return "A collection name can have at most 260 characters.";
    case CollectionNameProblem::Blanks:
        return "A collection name cannot begin or end with a blank.";
    case CollectionNameProblem::Characters:
        return "A collection name cannot contain ']' or a line break.";
    default:
        return nullptr;
    }
}

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

CSettingsPage::CSettingsPage(CStoredState& stored, CSheetEdits& edits, CSaverCatalogue& catalogue)
    : CSheetPage(IDD_COLLECTIONS, edits), m_catalogue(catalogue), m_stored(stored)
{
    m_catalogue.Watch(*this);
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
    // Only a duration the user can edit (one of a current item) is checked.
    if (!pDX->m_bSaveAndValidate || m_selectedList.GetCurSel() >= 0)
        DDV_MinMaxDigits(pDX, m_durationText, minDuration, maxDuration);
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
    m_collectionCombo.SetExtendedUI(true);

    m_collectionCombo.ResetContent();
    for (const std::string& name : ListCollectionNames(m_stored.GetCollectionsFile()))
        m_collectionCombo.AddString(name);
    if (m_collectionCombo.GetCount() == 0) {
        OfferDefaultCollection();
    } else {
        int current = m_collectionCombo.FindStringExact(-1, m_edits.GetCurrentName());
        m_collectionCombo.SetCurSel(current >= 0 ? current : 0);
    }
    LoadCollection();

    CreatePageToolTips(toolTips);
    m_spin.SetRange(1, 32767);
    UpdateControls();
    m_initializing = false;
    return TRUE;
}

// A file without collections, or a combo box emptied by deletions, still
// gives the page a collection to edit; it enters the file at OK.
void CSettingsPage::OfferDefaultCollection()
{
    m_collectionCombo.SetCurSel(m_collectionCombo.AddString(defaultCollection));
}

// Shows the combo box's current collection: the sheet's copy if the page
// showed it before, else as stored now. It is the one the session will use.
void CSettingsPage::LoadCollection()
{
    if (m_pCollection) StoreCollection();
    std::string name = m_collectionCombo.GetLBText(m_collectionCombo.GetCurSel());
    m_pCollection = m_edits.FindCollection(name);
    if (!m_pCollection) {
        // A section deleted in this sheet is still in the file until OK.
        auto collection = m_edits.IsDeleted(name) ? std::make_unique<CCollection>(name, m_stored.GetCollectionsFile())
                                                  : m_stored.LoadCollection(name, true);
        m_pCollection = &m_edits.AddCollection(std::move(collection));
    }
    m_edits.SetCurrentName(m_pCollection->GetName());

    bool cycle = m_pCollection->GetCycle();
    m_cycleRadio.SetCheck(CheckState(cycle));
    m_randomRadio.SetCheck(CheckState(!cycle));
    ShowSavers();
    if (m_availableList.GetCount() > 0) m_availableList.SetTopIndex(0);
    if (m_selectedList.GetCount() > 0) m_selectedList.SetTopIndex(0);
    UpdateControls();
}

// Every screen saver found is marked found in the collection; the selected
// ones show in the Selected list in the collection's list order, whatever
// their order numbers, and the others in the Available list.
void CSettingsPage::ShowSavers()
{
    m_catalogue.Search(m_edits.edited.folders);
    const std::vector<std::string>& found = m_catalogue.Names();
    for (const std::string& name : found) m_pCollection->MarkFound(name);
    // A screen saver not found may be on a drive that is offline now: only
    // when every folder could be searched does OK forget it.
    if (!m_catalogue.EveryFolderSearched()) m_pCollection->KeepUnfoundEntries();

    std::set<std::string> foundNames(found.begin(), found.end());
    std::vector<std::string> selected;
    for (std::string& name : m_pCollection->ListSelectedInOrder())
        if (foundNames.erase(name)) selected.push_back(std::move(name));
    std::vector<std::string> available;
    available.reserve(foundNames.size());
    for (const std::string& name : found)
        if (foundNames.count(name)) available.push_back(name);
    m_availableList.ResetContent();
    m_selectedList.ResetContent();
    SortAsListsSort(available);
    m_availableList.AppendStrings(available);
    m_selectedList.AddStrings(selected);
}

void CSettingsPage::OnCatalogueChanged(const CatalogueChange& change)
{
    if (!IsWindow()) return;
    // A name already selected would otherwise show in both lists, and could
    // be selected twice: the catalogue adds only names it did not know.
    m_availableList.AddStrings(change.added);
    if (change.removed.empty()) return;
    std::unordered_set<std::string> gone;
    for (const std::string& name : change.removed) gone.insert(FoldLetterCase(name));
    for (const CListBox* list : {&m_availableList, &m_selectedList}) {
        std::vector<std::string> texts = list->GetTexts();
        CRedrawPause pause(*list);
        for (size_t i = texts.size(); i-- > 0;)
            if (gone.count(FoldLetterCase(texts[i]))) list->DeleteString(static_cast<int>(i));
    }
}

void CSettingsPage::StoreCollection()
{
    std::vector<std::string> selected;
    for (int i = 0; i < m_selectedList.GetCount(); ++i) selected.push_back(m_selectedList.GetText(i));
    m_pCollection->SetSelection(selected, m_cycleRadio.GetCheck() == BST_CHECKED);
}

void CSettingsPage::OnOK()
{
    if (m_pCollection) StoreCollection();
}

void CSettingsPage::OnCollectionClosedUp()
{
    LoadCollection();
}

void CSettingsPage::OnNew()
{
    CNewCollectionDlg dialog(this);
    if (dialog.DoModal() != IDOK) return;
    // The whole text, however it reached the field.
    const std::string& name = dialog.m_name;
    CollectionNameProblem problem = CheckCollectionName(name);
    if (problem == CollectionNameProblem::Empty) return;
    if (const char* refusal = RefusalOf(problem)) {
        ShowError(m_hWnd, refusal);
        return;
    }
    // The section of the extra folders is no collection, and the profile
    // functions would take the new one for it.
    if (m_collectionCombo.FindStringExact(-1, name) >= 0 || IsInternalSection(name)) {
        ShowError(m_hWnd, "This name is already used: " + name);
        return;
    }
    m_collectionCombo.SetCurSel(m_collectionCombo.AddString(name));
    LoadCollection();
}

void CSettingsPage::OnDelete()
{
    if (!m_pCollection) return;
    // Letter case counts here: "default" may go.
    std::string name = m_pCollection->GetName();
    if (name == defaultCollection) {
        ShowError(m_hWnd, "'Default' is the only collection that cannot be deleted.");
        return;
    }
    int index = m_collectionCombo.FindStringExact(-1, name);
    if (index < 0) return;
    m_pCollection = nullptr;
    const std::vector<size_t> rules = m_edits.DeleteCollection(name);
    if (!rules.empty()) ShowNote(m_hWnd, DescribeRulesGone(name, rules));

    m_collectionCombo.DeleteString(index);
    int remaining = m_collectionCombo.GetCount();
    if (index < remaining) m_collectionCombo.SetCurSel(index);
    else if (remaining > 0) m_collectionCombo.SetCurSel(remaining - 1);
    else OfferDefaultCollection();
    LoadCollection();
}
