// A modal property sheet over comctl32 and its pages from dialog templates.
#pragma once
#include "framework/Wnd.h"

#include <commctrl.h>
#include <string>
#include <vector>

class CPropertySheet;

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(UINT templateId);
    ~CPropertyPage() override = default;
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    UINT GetTemplateId() const { return templateId; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // OK was pressed and this page exists: store what the page edits.
    virtual void OnOK() {}
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    // Messages the handlers above do not cover; true when handled.
    virtual bool OnMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    UINT templateId;
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

private:
    friend class CPropertyPage;
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lp);

    std::string caption;
    std::vector<CPropertyPage*> pages;
    bool closedWithOk = false;
};
