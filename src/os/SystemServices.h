// Small services over Windows that several parts of the program share.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// VER_PLATFORM_WIN32_WINDOWS (1) or VER_PLATFORM_WIN32_NT (2).
DWORD GetPlatformId();
// The dotted product version of the program file, "" when it has none.
std::string GetProductVersion();

// A REG_SZ value as it stands, a REG_DWORD value in signed decimal; "" for
// any other type and whenever something fails.
std::string ReadRegistryString(HKEY root, const char* subkey, const char* valueName);
LONG DeleteRegistryValue(HKEY root, const char* subkey, const char* valueName);
LONG DeleteRegistryKey(HKEY root, const char* subkey);

void ShowError(HWND owner, const std::string& text);
// Owned by the foreground window, if there is one.
void ShowNote(const std::string& text);
void ShowNote(HWND owner, const std::string& text);

bool FileExists(const std::string& path);
// Opens the help page from the install folder (UTF-8, with its final
// backslash) in the user's browser.
void ShowHelp(const std::string& installFolder);

// UTF-8 text, which spells every name Windows can, for the wide functions.
std::vector<wchar_t> WideFromUtf8(const std::string& text);
