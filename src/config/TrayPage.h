// The Tray page of the settings sheet: whether Tombolix stays in the
// notification area, and (on the page but never shown) whether that
// instance starts with Windows.
#pragma once
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "res/resource.h"

class CTrayPage : public CSheetPage {
public:
    // The check boxes start from the sheet's settings as they are when it is built.
    explicit CTrayPage(CSheetEdits& edits);


protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    static const CommandMapEntry<CTrayPage> messageMap[];
    void OnUseTrayClicked();

    int m_useTray;
    int m_autoStart;
};
