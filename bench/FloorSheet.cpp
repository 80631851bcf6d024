// The least a settings sheet can do: a modal property sheet of six empty
// pages, built from one in-memory dialog template. The benchmark's floor for
// the time until the sheet answers.
#include <windows.h>
#include <commctrl.h>

namespace {
INT_PTR CALLBACK EmptyPage(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// A template with no controls, the size of the program's pages.
struct EmptyTemplate {
    DLGTEMPLATE header{WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT, 0, 0, 0, 0, 250, 190};
    WORD menu = 0, windowClass = 0, title = 0;
    WORD pointSize = 8;
    wchar_t font[14] = L"MS Shell Dlg";
};
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    static EmptyTemplate page;
    PROPSHEETPAGEA pages[6]{};
    const char* const titles[6] = {"One", "Two", "Three", "Four", "Five", "Six"};
    for (int i = 0; i < 6; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        pages[i].hInstance = instance;
        pages[i].pResource = &page.header;
        pages[i].pfnDlgProc = EmptyPage;
        pages[i].pszTitle = titles[i];
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hInstance = instance;
    header.pszCaption = "Floor Sheet";
    header.nPages = 6;
    header.ppsp = pages;
    return PropertySheetA(&header) > 0 ? 0 : 1;
}
