// The uninstall page of the settings sheet: the first of the three steps of
// removing the program, which stops the resident instance and has every
// stored setting removed when the sheet closes.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CUninstallPage : public CPropertyPage {
public:
    CUninstallPage() : CPropertyPage(IDD_UNINSTALL) {}

protected:
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void PrepareUninstall();
};
