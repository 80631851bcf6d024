// The uninstall page of the settings sheet: the first of the three steps of
// removing the program, which stops the resident instance and has every
// stored setting removed when the sheet is confirmed.
#pragma once
#include "collections/SheetEdits.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CUninstallPage : public CPropertyPage {
public:
    explicit CUninstallPage(CSheetEdits& edits) : CPropertyPage(IDD_UNINSTALL), m_edits(edits) {}

protected:
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void PrepareUninstall();

    CSheetEdits& m_edits;
};
