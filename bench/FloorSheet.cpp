// The least a settings sheet can do: a modal property sheet of seven empty
// pages, built from one in-memory dialog template. The benchmark's floor for
// the time until the sheet answers. Given a program's path, the seven pages
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
    const WORD programPages[] = {IDD_COLLECTIONS, IDD_SCHEDULE,    IDD_TRAY,     IDD_OPTIONS,
                                 IDD_FOLDERS,     IDD_INFORMATION, IDD_UNINSTALL};
    constexpr int pageCount = sizeof programPages / sizeof programPages[0];
    static EmptyTemplate page;
    PROPSHEETPAGEA pages[pageCount]{};
    const char* const titles[pageCount] = {"One", "Two", "Three", "Four", "Five", "Six", "Seven"};
    for (int i = 0; i < pageCount; ++i) {
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
    header.nPages = pageCount;
    header.ppsp = pages;
    return PropertySheetA(&header) > 0 ? 0 : 1;
}
