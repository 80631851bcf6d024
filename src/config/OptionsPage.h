// The Options page of the settings sheet: the tooltips, the blanker (one
// fixed screen saver that takes over after a period) and the option of a
// single uninterrupted screen saver.
#pragma once
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"

#include <string>

class COptionsPage : public CSheetPage {
public:
    // The controls start from the sheet's settings as they are now.
    explicit COptionsPage(CSheetEdits& edits);
    ~COptionsPage() override;


    // Offers every screen saver of the Collections page's two lists and
    // selects the blanker among them, if it is there.
    void FillBlankerList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Takes the five options into the sheet's settings.
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // The blanker's choice and period are open only while the blanker is on.
    void UpdateBlankerControls();

    static const CommandMapEntry<COptionsPage> messageMap[];
    // The handlers of the message map.
    void OnUseBlanker();
    void OnShowToolTips();
    void OnBlankerChanged();

    CSpinButtonCtrl m_minutesSpin;
    CComboBox m_blankerCombo;
    int m_useBlanker;
    int m_showToolTips;
    std::string m_minutesText;
    std::string m_shownMinutesText;
    int m_passwordOverride;
};
