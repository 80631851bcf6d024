// Asks for the name of a new collection.
#pragma once
#include "framework/Dialog.h"
#include "res/resource.h"

#include <string>

class CNewCollectionDlg : public CDialog {
public:
    explicit CNewCollectionDlg(const CWnd* parent) : CDialog(IDD_NEW_COLLECTION, parent) {}

    std::string m_name;   // as typed, not trimmed

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NEW_NAME, m_name); }
};
