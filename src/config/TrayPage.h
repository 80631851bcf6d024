// The tray page of the settings sheet.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CTrayPage : public CPropertyPage {
public:
    CTrayPage() : CPropertyPage(IDD_TRAY) {}
};
