// The folders page of the settings sheet.
#pragma once
#include "framework/PropertySheet.h"
#include "res/resource.h"

class CFoldersPage : public CPropertyPage {
public:
    CFoldersPage() : CPropertyPage(IDD_FOLDERS) {}
};
