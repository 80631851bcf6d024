// Starting the resident instance with Windows: a shortcut "<title>.lnk" to
// this program with "/tray" in the user's start-up folder.
#pragma once
#include <windows.h>
#include <optional>
#include <string>

struct ProgramOptions;

// The user's start-up folder from the shell-folders key, if it can be read.
std::optional<std::string> GetStartupFolder();
// Installs the shortcut when AutoStart and UseTray are both on, removes it
// otherwise; does nothing when the start-up folder cannot be read.
void ApplyAutoStart(const ProgramOptions& options);
// Writes a shell link, on a thread where COM runs; returns the result of
// the last step that ran.
HRESULT CreateShortcut(const std::string& target, const std::string& linkPath, const char* description,
                       const char* arguments);
// Removes the shortcut and the program's machine-wide run value.
void RemoveAutoStart();
