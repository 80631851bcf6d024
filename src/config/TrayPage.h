// The Tray page of the settings sheet: whether Tombolix stays in the
// notification area, and (on the page but never shown) whether that
// instance starts with Windows.
#pragma once
#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CTrayPage : public CPropertyPage {
public:
    // The check boxes start from the settings as they are when the sheet is built.
    CTrayPage();

    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    static const CommandMapEntry<CTrayPage> messageMap[];
    void OnUseTrayClicked();
    void OnHelp();

    int m_useTray;
    int m_autoStart;
    CToolTipCtrl m_toolTip;
};
