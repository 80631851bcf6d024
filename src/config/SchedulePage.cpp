#include "config/SchedulePage.h"

#include "base/TextPieces.h"
#include "config/ScheduleRuleDlg.h"
#include "config/ToolTips.h"
#include "res/resource.h"

#include <algorithm>
#include <set>

namespace {
// Where the days and the times start in a rule's line, in dialog units.
const std::vector<int> ruleColumns{110, 180};

// In the order in which the page adds them.
const ControlTip toolTips[] = {
    {IDC_FOLLOW_SCHEDULE, "Let the rules below pick the collection by the day and the time"},
    {IDC_SCHEDULE_RULES, "The first rule that holds picks the collection"},
    {IDC_ADD_RULE, "Add a rule at the end of the list"},
    {IDC_EDIT_RULE, "Change the selected rule"},
    {IDC_REMOVE_RULE, "Remove the selected rule"},
    {IDC_MOVE_RULE_UP, "Let the selected rule come before the one above it"},
    {IDC_MOVE_RULE_DOWN, "Let the selected rule come after the one below it"},
};
}  // namespace

const CommandMapEntry<CSchedulePage> CSchedulePage::messageMap[] = {
    {IDC_FOLLOW_SCHEDULE, BN_CLICKED, &CSchedulePage::OnFollow},
    {IDC_ADD_RULE, BN_CLICKED, &CSchedulePage::OnAdd},
    {IDC_EDIT_RULE, BN_CLICKED, &CSchedulePage::OnEdit},
    {IDC_SCHEDULE_RULES, LBN_DBLCLK, &CSchedulePage::OnEdit},
    {IDC_SCHEDULE_RULES, LBN_SELCHANGE, &CSchedulePage::OnSelectionChanged},
    {IDC_REMOVE_RULE, BN_CLICKED, &CSchedulePage::OnRemove},
    {IDC_MOVE_RULE_UP, BN_CLICKED, &CSchedulePage::OnMoveUp},
    {IDC_MOVE_RULE_DOWN, BN_CLICKED, &CSchedulePage::OnMoveDown},
};

CSchedulePage::CSchedulePage(CSheetEdits& edits)
    : CSheetPage(IDD_SCHEDULE, edits), m_follow(CheckState(edits.edited.followSchedule))
{
}

void CSchedulePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SCHEDULE_RULES, m_ruleList);
    DDX_Check(pDX, IDC_FOLLOW_SCHEDULE, m_follow);
}

bool CSchedulePage::OnCommand(UINT id, UINT code, HWND control)
{
    if (CSheetPage::OnCommand(id, code, control)) return true;
    return DispatchCommand(*this, messageMap, id, code);
}

bool CSchedulePage::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->code == PSN_SETACTIVE) {
        ShowRules(m_ruleList.GetCurSel());
        ShowInEffect();
    }
    return CSheetPage::OnNotify(header, result);
}

BOOL CSchedulePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CreatePageToolTips(toolTips);
    m_week = ReadUserWeek();
    m_ruleList.SetTabStops(ruleColumns);
    ShowRules(m_edits.schedule.empty() ? -1 : 0);
    ShowInEffect();
    return TRUE;
}

void CSchedulePage::OnOK()
{
    m_edits.edited.followSchedule = m_follow == BST_CHECKED;
}

void CSchedulePage::ShowRules(int current)
{
    std::set<std::string> present;
    for (const std::string& name : m_edits.CollectionNames()) present.insert(LowerCase(name));
    std::vector<std::string> lines;
    for (const ScheduleRule& rule : m_edits.schedule)
        lines.push_back(DescribeRule(rule, present.count(LowerCase(rule.collection)) > 0, m_week));
    {
        CRedrawPause pause(m_ruleList);
        m_ruleList.ResetContent();
        m_ruleList.AppendStrings(lines);
    }
    m_ruleList.SetCurSel(std::min(current, m_ruleList.GetCount() - 1));
    UpdateButtons();
}

void CSchedulePage::ShowInEffect()
{
    const LocalTime now = ReadLocalTime();
    const bool follow = m_edits.edited.followSchedule;
    const ScheduledCollection inEffect =
        ChooseByClock(m_edits.schedule, m_edits.CollectionNames(), m_edits.GetCurrentName(), now);
    GetDlgItem(IDC_SCHEDULE_NOW)
        .SetWindowText(DescribeInEffect(follow, follow ? inEffect : ScheduledCollection{m_edits.GetCurrentName(), {}},
                                        now, m_week));
}

void CSchedulePage::UpdateButtons()
{
    const int current = m_ruleList.GetCurSel();
    const int count = m_ruleList.GetCount();
    GetDlgItem(IDC_EDIT_RULE).EnableWindow(current >= 0);
    GetDlgItem(IDC_REMOVE_RULE).EnableWindow(current >= 0);
    GetDlgItem(IDC_MOVE_RULE_UP).EnableWindow(current > 0);
    GetDlgItem(IDC_MOVE_RULE_DOWN).EnableWindow(current >= 0 && current + 1 < count);
}

bool CSchedulePage::AskForRule(ScheduleRule& rule)
{
    CScheduleRuleDlg dialog(this, m_edits.CollectionNames(), m_week, rule);
    if (dialog.DoModal() != IDOK) return false;
    rule = dialog.m_rule;
    return true;
}

void CSchedulePage::OnFollow()
{
    UpdateData(true);
    m_edits.edited.followSchedule = m_follow == BST_CHECKED;
    ShowInEffect();
}

void CSchedulePage::OnAdd()
{
    // The whole of every day for the collection of the Collections page,
    // for the user to narrow.
    ScheduleRule rule(m_edits.GetCurrentName(), 0x7F, 0, 0);
    if (!AskForRule(rule)) return;
    m_edits.schedule.push_back(rule);
    ShowRules(static_cast<int>(m_edits.schedule.size()) - 1);
    ShowInEffect();
}

void CSchedulePage::OnEdit()
{
    const int current = m_ruleList.GetCurSel();
    if (current < 0) return;
    ScheduleRule rule = m_edits.schedule[current];
    if (!AskForRule(rule)) return;
    m_edits.schedule[current] = rule;
    ShowRules(current);
    ShowInEffect();
}

void CSchedulePage::OnRemove()
{
    const int current = m_ruleList.GetCurSel();
    if (current < 0) return;
    m_edits.schedule.erase(m_edits.schedule.begin() + current);
    ShowRules(current);
    ShowInEffect();
}

void CSchedulePage::MoveRule(int by)
{
    const int current = m_ruleList.GetCurSel();
    const int target = current + by;
    if (current < 0 || target < 0 || target >= static_cast<int>(m_edits.schedule.size())) return;
    std::swap(m_edits.schedule[current], m_edits.schedule[target]);
    ShowRules(target);
    ShowInEffect();
}
