// Dialogs from templates: a modal dialog, and the machinery that property
// pages share with it (message dispatch and data exchange).
#pragma once
#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, const CWnd* parent = nullptr);
    ~CDialog() override = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Shows the dialog modally; the id of the button that closed it.
    INT_PTR DoModal();
    // Members into the controls (false) or controls into the members with
    // validation (true); false when a value was refused.
    bool UpdateData(bool saveAndValidate = true);

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Fills the controls from the members.
    virtual BOOL OnInitDialog();
    // Takes the controls' values and closes, unless one is refused.
    virtual void OnOK();
    virtual void OnCancel();
    // WM_COMMAND; true when handled. OK and Cancel end a modal dialog.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // WM_NOTIFY; true when handled, with the result for DWLP_MSGRESULT.
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    // WM_CTLCOLORSTATIC, which read-only edits send too: the brush to paint
    // the control's background with, or null for the default colours.
    virtual HBRUSH OnCtlColorStatic(HDC /*dc*/, HWND /*control*/) { return nullptr; }
    // What the dialog would paint the control with without the override
    // (on a themed page, the page's own background), with the DC set up.
    HBRUSH DefaultCtlColorStatic(HDC dc, HWND control);
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

    // Binds the object to its window at WM_INITDIALOG, then dispatches.
    static INT_PTR Route(CDialog* self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    UINT templateId;
    HWND parent;
    // Set while the default processing of a message runs: the dialog
    // procedure, called again from inside it, then leaves the message alone.
    bool askingDefault = false;
};
