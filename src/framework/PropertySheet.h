// A modal property sheet over comctl32 and its pages from dialog templates.
#pragma once
#include "framework/Dialog.h"

#include <commctrl.h>
#include <string>
#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);

protected:
    // OK was pressed and this page exists: store what the page edits.
    void OnOK() override {}
    // A page's commands are its own; OK and Cancel belong to the sheet.
    bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) override { return false; }
    // Leaving the page and OK take the controls' values first; a refused
    // value keeps the page in front and the sheet open.
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    PROPSHEETPAGEA m_psp{};
    CPropertySheet* sheet = nullptr;
};

class CPropertySheet : public CWnd {
public:
    CPropertySheet(const std::string& caption, HWND parent, UINT startPage);
    ~CPropertySheet() override = default;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    void AddPage(CPropertyPage* page);
    // IDOK when the sheet was closed with OK, IDCANCEL otherwise.
    INT_PTR DoModal();

    PROPSHEETHEADERA m_psh{};

protected:
    // OK: every page that exists has taken its controls' values. False keeps
    // the sheet open.
    virtual bool OnApply() { return true; }

private:
    friend class CPropertyPage;
    // The last page in page order whose window exists: it is told of OK last.
    bool IsLastCreatedPage(const CPropertyPage* page) const;
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lp);

    std::string caption;
    std::vector<CPropertyPage*> pages;
    bool closedWithOk = false;
};
