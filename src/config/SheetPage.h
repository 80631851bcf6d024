// What the pages of the settings sheet with tips share: their tooltip
// control, and the Help button that opens the help page.
#pragma once
#include "framework/Controls.h"
#include "framework/PropertySheet.h"

class CSheetPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;

    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }

protected:
    // Help on any page; true when the command was that button's.
    bool OnCommand(UINT id, UINT code, HWND control) override;

    CToolTipCtrl m_toolTip;   // created with the page's controls
};
