#include "tray/StartupShortcut.h"

namespace {
const char* const windowsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const windowsNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Explorer\\Shell Folders";
constexpr unsigned windowsFamily = 1;
constexpr unsigned ntFamily = 2;
constexpr size_t maxPathLength = 259;
}

std::vector<std::string> ShellFolderKeys(unsigned platformId)
{
    if (platformId == ntFamily) return {windowsNtKey, windowsKey};
    if (platformId == windowsFamily) return {windowsKey};
    return {};
}

std::optional<std::string> StartupShortcutPath(const std::string& startupFolder, const std::string& title)
{
    std::string path = startupFolder + "\\" + title + ".lnk";
    if (path.size() > maxPathLength) return std::nullopt;
    return path;
}
