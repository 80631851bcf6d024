#include "config/ScheduleRuleDlg.h"

#include "collections/StoredNames.h"
#include "os/SystemServices.h"
#include "res/resource.h"

namespace {
// Refuses a text that is no time of the day, pointing at its edit.
void DDV_TimeOfDay(CDataExchange* pDX, const std::string& text, int& minute)
{
    if (!pDX->m_bSaveAndValidate || pDX->Failed()) return;
    if (std::optional<int> read = ParseMinuteOfDay(text)) {
        minute = *read;
        return;
    }
    ShowError(pDX->Dialog().m_hWnd, "Please type a time of day as hours and minutes, from 00:00 to 24:00, "
                                    "for example 06:00 or 22:30.");
    pDX->Fail();
}
}  // namespace

CScheduleRuleDlg::CScheduleRuleDlg(const CWnd* parent, std::vector<std::string> collections, const WeekNames& week,
                                   const ScheduleRule& rule)
    : CDialog(IDD_SCHEDULE_RULE, parent), m_rule(rule), collections(std::move(collections)), week(week)
{
    bool listed = false;
    for (const std::string& name : this->collections) listed = listed || SameName(name, rule.collection);
    if (!listed && !rule.collection.empty()) this->collections.push_back(rule.collection);
    SortAsListsSort(this->collections);
    m_fromText = FormatMinuteOfDay(rule.fromMinute);
    m_toText = FormatMinuteOfDay(rule.toMinute);
    for (int place = 0; place < 7; ++place) m_dayChecks[place] = CheckState(rule.days >> week.DayAt(place) & 1);
}

void CScheduleRuleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_RULE_COLLECTION, m_collectionCombo);
    if (!pDX->m_bSaveAndValidate) {
        m_collectionCombo.ResetContent();
        m_collectionCombo.AddStrings(collections);
        m_collectionCombo.SetCurSel(m_collectionCombo.FindStringExact(-1, m_rule.collection));
        for (int place = 0; place < 7; ++place)
            GetDlgItem(IDC_RULE_DAY1 + place).SetWindowText(week.days[week.DayAt(place)]);
    }
    uint8_t days = 0;
    for (int place = 0; place < 7; ++place) {
        DDX_Check(pDX, IDC_RULE_DAY1 + place, m_dayChecks[place]);
        if (m_dayChecks[place] == BST_CHECKED) days |= static_cast<uint8_t>(1 << week.DayAt(place));
    }
    DDX_Text(pDX, IDC_RULE_FROM, m_fromText);
    DDV_TimeOfDay(pDX, m_fromText, m_rule.fromMinute);
    DDX_Text(pDX, IDC_RULE_TO, m_toText);
    DDV_TimeOfDay(pDX, m_toText, m_rule.toMinute);
    if (!pDX->m_bSaveAndValidate || pDX->Failed()) return;
    const int chosen = m_collectionCombo.GetCurSel();
    if (chosen < 0) {
        ShowError(m_hWnd, "Please choose the collection that the rule picks.");
        pDX->PrepareCtrl(IDC_RULE_COLLECTION);
        pDX->Fail();
    } else if (days == 0) {
        ShowError(m_hWnd, "Please choose at least one day.");
        pDX->PrepareCtrl(IDC_RULE_DAY1);
        pDX->Fail();
    } else {
        m_rule.collection = m_collectionCombo.GetLBText(chosen);
        m_rule.days = days;
        m_rule.unreadable.clear();
    }
}
