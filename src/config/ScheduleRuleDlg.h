// Asks for one rule of the schedule: its collection, its days and its time
// of day.
#pragma once
#include "collections/Schedule.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <string>
#include <vector>

class CScheduleRuleDlg : public CDialog {
public:
    // Offers the collections given, and the rule's own when it is not among
    // them; the days show in the order of the user's week.
    CScheduleRuleDlg(const CWnd* parent, std::vector<std::string> collections, const WeekNames& week,
                     const ScheduleRule& rule);

    // The rule as confirmed.
    ScheduleRule m_rule;

protected:
    // The controls from the rule; back, refusing a time that cannot be
    // read, a rule of no day and one of no collection.
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::vector<std::string> collections;
    const WeekNames& week;
    CComboBox m_collectionCombo;
    std::string m_fromText;
    std::string m_toText;
    int m_dayChecks[7] = {};
};
