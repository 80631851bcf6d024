// The collections page of the settings sheet.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CSettingsPage : public CPropertyPage {
public:
    CSettingsPage() : CPropertyPage(IDD_COLLECTIONS) {}
};
