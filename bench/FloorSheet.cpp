// The least a settings sheet can do: a modal property sheet of six empty
// pages, built from one in-memory dialog template. The benchmark's floor for
// the time until the sheet answers. Given a program's path, the six pages
// are that program's own page templates, with all their controls and none
// of its code: what the pages alone cost.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

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
    HMODULE program = __argc > 1 ? LoadLibraryExA(__argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE) : nullptr;
    // The program's pages in the order of its sheet.
    const WORD programPages[6] = {IDD_COLLECTIONS, IDD_TRAY, IDD_OPTIONS, IDD_FOLDERS, IDD_INFORMATION, IDD_UNINSTALL};
    static EmptyTemplate page;
    PROPSHEETPAGEA pages[6]{};
    const char* const titles[6] = {"One", "Two", "Three", "Four", "Five", "Six"};
    for (int i = 0; i < 6; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].pfnDlgProc = EmptyPage;
        if (program) {
            pages[i].hInstance = program;
            pages[i].pszTemplate = MAKEINTRESOURCEA(programPages[i]);
            continue;
        }
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        pages[i].hInstance = instance;
        pages[i].pResource = &page.header;
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
