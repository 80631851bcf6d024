// The tray page of the settings sheet.
#pragma once
#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CTrayPage : public CPropertyPage {
public:
    CTrayPage() : CPropertyPage(IDD_TRAY) {}

    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }

private:
    CToolTipCtrl m_toolTip;   // created with the page's controls
};
