// The Options page of the settings sheet: the tooltips, the blanker (one
// fixed screen saver that takes over after a period), the option of a
// single uninterrupted screen saver, that of one on each monitor and that
// of never the same one twice in a row.
#pragma once
#include "config/SaverCatalogue.h"
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"

#include <string>

// What the page's tooltips check box switches: the tips of every page of
// the sheet, which the sheet holds.
class IToolTipSwitch {
public:
    virtual void SetToolTipsActive(bool active) = 0;

protected:
    ~IToolTipSwitch() = default;
};

class COptionsPage : public CSheetPage, private ICatalogueWatcher {
public:
    // The controls start from the sheet's settings as they are now; the
    // tooltips check box switches the tips through the given switch.
    COptionsPage(CSheetEdits& edits, CSaverCatalogue& catalogue, IToolTipSwitch& toolTipSwitch);
    ~COptionsPage() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Takes the seven options into the sheet's settings.
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // Offers every screen saver of the catalogue and selects the blanker
    // among them, if it is there.
    void FillBlankerList();
    void OnCatalogueChanged(const CatalogueChange&) override { if (IsWindow()) FillBlankerList(); }
    // The blanker's choice and period are open only while the blanker is on.
    void UpdateBlankerControls();

    static const CommandMapEntry<COptionsPage> messageMap[];
    // The handlers of the message map.
    void OnUseBlanker();
    void OnShowToolTips();
    void OnBlankerChanged();

    CSpinButtonCtrl m_minutesSpin;
    CComboBox m_blankerCombo;
    CSaverCatalogue& m_catalogue;
    IToolTipSwitch& m_toolTipSwitch;
    int m_useBlanker;
    int m_showToolTips;
    std::string m_minutesText;
    std::string m_shownMinutesText;
    int m_passwordOverride;
    int m_saverPerMonitor;
    int m_noImmediateRepeat;
};
