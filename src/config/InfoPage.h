// The Information page of the settings sheet: the program's name and
// version, where to find answers, and two links to the maker's pages.
#pragma once
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "res/resource.h"

#include <string>

class CInfoPage : public CSheetPage {
public:
    explicit CInfoPage(CSheetEdits& edits);


protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColorStatic(HDC dc, HWND control) override;

private:
    static const CommandMapEntry<CInfoPage> messageMap[];
    void OnSiteLink();
    void OnSupportLink();
    // Opens the address in the user's browser; the link gives up the focus
    // first, so that the next click on it opens the page again.
    void OpenLink(const char* address);

    std::string m_heading;
    std::string m_body;
};
