// The options page of the settings sheet.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class COptionsPage : public CPropertyPage {
public:
    COptionsPage() : CPropertyPage(IDD_OPTIONS) {}
};
