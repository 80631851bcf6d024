// Where the start-up shortcut of the resident instance lives.
#pragma once
#include <optional>
#include <string>
#include <vector>

// The shell-folders keys to try, in order, for a platform id (1: the
// Windows 95 family, 2: the NT family); none for any other platform.
std::vector<std::string> ShellFolderKeys(unsigned platformId);

// <startup folder>\<title>.lnk, or nothing when it would be longer than a
// path may be (259 characters).
std::optional<std::string> StartupShortcutPath(const std::string& startupFolder, const std::string& title);
