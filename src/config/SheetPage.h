// What the pages of the settings sheet with tips share: their tooltip
// control, and the Help button that opens the help page.
#pragma once
#include "collections/SheetEdits.h"
#include "config/ToolTips.h"
#include "framework/Controls.h"
#include "framework/PropertySheet.h"

class CSheetPage : public CPropertyPage {
public:
    // The page edits the sheet's copy of the settings, never the stored ones.
    CSheetPage(UINT templateId, CSheetEdits& edits) : CPropertyPage(templateId), m_edits(edits) {}

    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }

protected:
    // Help on any page; true when the command was that button's.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // The page's tips, shown as the sheet's setting is now.
    template <size_t N>
    void CreatePageToolTips(const ControlTip (&tips)[N])
    {
        CreateToolTips(m_toolTip, *this, m_edits.edited.showToolTips, tips);
    }

    CSheetEdits& m_edits;
    CToolTipCtrl m_toolTip;   // created with the page's controls
};
