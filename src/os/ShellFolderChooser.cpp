#include "os/FolderChooser.h"

#include <shlobj.h>

std::string CShellFolderChooser::ChooseFolder(HWND owner, const std::string& title)
{
    char displayName[MAX_PATH] = "";
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (!item) return "";

    char path[MAX_PATH] = "";
    BOOL hasPath = SHGetPathFromIDListA(item, path);
    // The item was allocated by the shell and goes back to its allocator.
    IMalloc* shellMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMalloc))) {
        shellMalloc->Free(item);
        shellMalloc->Release();
    }
    return hasPath ? path : "";
}
