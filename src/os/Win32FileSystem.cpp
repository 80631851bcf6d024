#include "os/Win32FileSystem.h"

#include <windows.h>

std::vector<std::string> CWin32FileSystem::FindNames(const std::string& pathPattern)
{
    CNativeFolderView nativeView;
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pathPattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}

std::string GetWindowsFolder()
{
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string GetSystemFolder()
{
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::vector<std::string> GetSystemFolders()
{
    std::vector<std::string> folders{GetSystemFolder()};
    using GetWow64Folder = UINT(WINAPI*)(LPSTR, UINT);
    auto getWow64Folder = reinterpret_cast<GetWow64Folder>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemWow64DirectoryA")));
    char folder[MAX_PATH] = "";
    // 32-bit Windows has no such folder: the call fails there.
    if (getWow64Folder && getWow64Folder(folder, MAX_PATH) > 0 && lstrcmpiA(folder, folders[0].c_str()) != 0)
        folders.push_back(folder);
    return folders;
}

std::string JoinFolderNames(const std::vector<std::string>& folders)
{
    std::string text;
    for (size_t i = 0; i < folders.size(); ++i) {
        if (i > 0) text += i + 1 == folders.size() ? " && " : ", ";
        text += folders[i];
    }
    return text;
}

CNativeFolderView::CNativeFolderView()
{
#ifndef _WIN64
    using Disable = BOOL(WINAPI*)(PVOID*);
    auto disable = reinterpret_cast<Disable>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "Wow64DisableWow64FsRedirection")));
    disabled = disable && disable(&previous);
#endif
}

CNativeFolderView::~CNativeFolderView()
{
    if (!disabled) return;
    using Revert = BOOL(WINAPI*)(PVOID);
    auto revert = reinterpret_cast<Revert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "Wow64RevertWow64FsRedirection")));
    if (revert) revert(previous);
}

bool PathExists(const std::string& path)
{
    CNativeFolderView nativeView;
    return path.size() < MAX_PATH && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FoldLetterCase(const std::string& name)
{
    std::string folded = name;
    if (!folded.empty()) CharUpperBuffA(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

bool FolderExists(const std::string& folder)
{
    std::string path = folder;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    path += '\\';
    if (path.size() >= MAX_PATH) return false;
    CNativeFolderView nativeView;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
