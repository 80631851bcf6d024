// The Schedule page of the settings sheet: the rules that pick the
// collection by the day of the week and the time of day, in the sheet's
// copy, whether the session follows them, and which collection is in
// effect now and why.
#pragma once
#include "collections/ScheduleText.h"
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"

class CSchedulePage : public CSheetPage {
public:
    explicit CSchedulePage(CSheetEdits& edits);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Shown again, the page lists the collections as the Collections page
    // left them.
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    // The rules' lines, the one at the index current.
    void ShowRules(int current);
    void ShowInEffect();
    void UpdateButtons();
    // Asks for the rule; true when confirmed.
    bool AskForRule(ScheduleRule& rule);
    void MoveRule(int by);

    static const CommandMapEntry<CSchedulePage> messageMap[];
    // The handlers of the message map.
    void OnFollow();
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnMoveUp() { MoveRule(-1); }
    void OnMoveDown() { MoveRule(1); }
    void OnSelectionChanged() { UpdateButtons(); }

    CListBox m_ruleList;
    int m_follow;
    WeekNames m_week;
};
