// The information page of the settings sheet.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CInfoPage : public CPropertyPage {
public:
    CInfoPage() : CPropertyPage(IDD_INFORMATION) {}
};
