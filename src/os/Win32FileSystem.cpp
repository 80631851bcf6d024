#include "os/Win32FileSystem.h"

std::vector<std::string> CWin32FileSystem::FindNames(const std::string& pathPattern)
{
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

bool PathExists(const std::string& path)
{
    return path.size() < MAX_PATH && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const std::string& folder)
{
    std::string path = folder;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    path += '\\';
    if (path.size() >= MAX_PATH) return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
