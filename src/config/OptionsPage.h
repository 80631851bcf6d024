// The options page of the settings sheet.
#pragma once
#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"

class COptionsPage : public CPropertyPage {
public:
    COptionsPage() : CPropertyPage(IDD_OPTIONS) {}

    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }

private:
    CToolTipCtrl m_toolTip;   // created with the page's controls
};
