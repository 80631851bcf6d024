// The uninstall page of the settings sheet.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CUninstallPage : public CPropertyPage {
public:
    CUninstallPage() : CPropertyPage(IDD_UNINSTALL) {}
};
