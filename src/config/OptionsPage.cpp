#include "config/OptionsPage.h"

#include "collections/Settings.h"
#include "base/TextPieces.h"
#include "config/ToolTips.h"
#include "res/resource.h"

namespace {

const NumberRange minutesRange = RangeOf(&ProgramOptions::blankerMinutes);
const int minMinutes = minutesRange.minimum;
const int maxMinutes = minutesRange.maximum;
const char* const minutesTip = "After this period, the above screensaver will be the only one used";

// In the order in which the page adds them.
const ControlTip toolTips[] = {
    {IDC_SHOW_TOOLTIPS, "Whether or not to display these popup notes"},
    {IDC_BLANKER, "Select the screensaver to use"},
    {IDC_BLANKER_MINUTES, minutesTip},
    {IDC_BLANKER_SPIN, minutesTip},
    {IDC_SAVER_PER_MONITOR,
     "Show a screensaver of the collection on every monitor, each its own, instead of one over the whole desktop"},
    {IDC_NO_IMMEDIATE_REPEAT,
     "At random, draw again rather than show the screensaver that was just shown in the same place"},
};

}  // namespace

const CommandMapEntry<COptionsPage> COptionsPage::messageMap[] = {
    {IDC_USE_BLANKER, BN_CLICKED, &COptionsPage::OnUseBlanker},
    {IDC_SHOW_TOOLTIPS, BN_CLICKED, &COptionsPage::OnShowToolTips},
    {IDC_BLANKER, CBN_SELCHANGE, &COptionsPage::OnBlankerChanged},
};

COptionsPage::COptionsPage(CSheetEdits& edits, CSaverCatalogue& catalogue, IToolTipSwitch& toolTipSwitch)
    : CSheetPage(IDD_OPTIONS, edits), m_catalogue(catalogue), m_toolTipSwitch(toolTipSwitch)
{
    m_catalogue.Watch(*this);
    const ProgramOptions& options = edits.edited;
    m_useBlanker = CheckState(options.useBlanker);
    m_showToolTips = CheckState(options.showToolTips);
    // A stored value out of range shows within it, so the page can always be
    // left; it is written back only once the user changes the text.
    m_minutesText = FormatDecimal(Clamp(options.blankerMinutes, minMinutes, maxMinutes));
    m_shownMinutesText = m_minutesText;
    m_passwordOverride = CheckState(options.passwordOverride);
    m_saverPerMonitor = CheckState(options.saverPerMonitor);
    m_noImmediateRepeat = CheckState(options.noImmediateRepeat);
}

COptionsPage::~COptionsPage() = default;

void COptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BLANKER_SPIN, m_minutesSpin);
    DDX_Control(pDX, IDC_BLANKER, m_blankerCombo);
    DDX_Check(pDX, IDC_USE_BLANKER, m_useBlanker);
    DDX_Check(pDX, IDC_SHOW_TOOLTIPS, m_showToolTips);
    DDX_Check(pDX, IDC_PASSWORD_OVERRIDE, m_passwordOverride);
    DDX_Check(pDX, IDC_SAVER_PER_MONITOR, m_saverPerMonitor);
    DDX_Check(pDX, IDC_NO_IMMEDIATE_REPEAT, m_noImmediateRepeat);
    // Taken and checked last, when every other value has been taken; checked
    // only while the edit is open to the user.
    DDX_Text(pDX, IDC_BLANKER_MINUTES, m_minutesText);
    if (!pDX->m_bSaveAndValidate || m_useBlanker != BST_UNCHECKED)
        DDV_MinMaxDigits(pDX, m_minutesText, minMinutes, maxMinutes);
}

bool COptionsPage::OnCommand(UINT id, UINT code, HWND control)
{
    if (CSheetPage::OnCommand(id, code, control)) return true;
    return DispatchCommand(*this, messageMap, id, code);
}

BOOL COptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CreatePageToolTips(toolTips);
    m_minutesSpin.SetRange(1, 999);
    FillBlankerList();
    UpdateBlankerControls();
    return TRUE;
}

void COptionsPage::FillBlankerList()
{
    m_blankerCombo.ResetContent();
    std::vector<std::string> names = m_catalogue.Names();
    // The combo box does not sort: with thousands of names its own sorted
    // insertion, a comparison of texts at a time, takes a second.
    SortAsListsSort(names);
    m_blankerCombo.AddStrings(names);
    // Letter case aside, the whole name; a blanker not found selects nothing.
    int blanker = m_blankerCombo.FindStringExact(-1, m_edits.edited.blankerName);
    if (blanker >= 0) m_blankerCombo.SetCurSel(blanker);
}

void COptionsPage::UpdateBlankerControls()
{
    // The setting in memory decides; the check box's handler sets it first.
    bool useBlanker = m_edits.edited.useBlanker;
    for (int id : {IDC_BLANKER, IDC_BLANKER_SPIN, IDC_BLANKER_MINUTES}) GetDlgItem(id).EnableWindow(useBlanker);
}

// The three handlers below change the sheet's settings at once; only OK
// stores them. A refused minutes text is reported and the other values are
// taken all the same.
void COptionsPage::OnUseBlanker()
{
    UpdateData(true);
    ProgramOptions& options = m_edits.edited;
    options.useBlanker = m_useBlanker != BST_UNCHECKED;
    options.passwordOverride = m_passwordOverride != BST_UNCHECKED;
    options.saverPerMonitor = m_saverPerMonitor != BST_UNCHECKED;
    options.noImmediateRepeat = m_noImmediateRepeat != BST_UNCHECKED;
    UpdateBlankerControls();
}

void COptionsPage::OnShowToolTips()
{
    UpdateData(true);
    bool show = m_showToolTips != BST_UNCHECKED;
    m_edits.edited.showToolTips = show;
    m_toolTipSwitch.SetToolTipsActive(show);
}

void COptionsPage::OnBlankerChanged()
{
    int current = m_blankerCombo.GetCurSel();
    if (current >= 0) m_edits.edited.blankerName = m_blankerCombo.GetLBText(current);
}

void COptionsPage::OnOK()
{
    // The sheet has just taken the controls' values, and refused to close
    // had one been refused.
    ProgramOptions& options = m_edits.edited;
    options.showToolTips = m_showToolTips != BST_UNCHECKED;
    options.useBlanker = m_useBlanker != BST_UNCHECKED;
    // The text as shown, or one refused while the edit was closed, leaves
    // the period as it was; an emptied edit means 0.
    if (m_minutesText != m_shownMinutesText) {
        if (m_minutesText.empty()) options.blankerMinutes = 0;
        else if (auto minutes = ReadBoundedNumber(m_minutesText, minMinutes, maxMinutes))
            options.blankerMinutes = *minutes;
    }
    options.passwordOverride = m_passwordOverride != BST_UNCHECKED;
    options.saverPerMonitor = m_saverPerMonitor != BST_UNCHECKED;
    options.noImmediateRepeat = m_noImmediateRepeat != BST_UNCHECKED;
    // With nothing chosen the blanker stays as it was, listed or not.
    int current = m_blankerCombo.GetCurSel();
    if (current >= 0) options.blankerName = m_blankerCombo.GetLBText(current);
}
