#include "os/SystemServices.h"

#include "base/TextPieces.h"
#include "os/RegistryKey.h"
#include "os/RegistryValue.h"

#include <io.h>
#include <shellapi.h>
#include <cstdio>
#include <cstring>

DWORD GetPlatformId()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    static_assert(sizeof info == 148, "OSVERSIONINFOA layout");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return info.dwPlatformId;
}

std::string GetProductVersion()
{
    char path[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA(nullptr), path, MAX_PATH);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return "";

    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = memory ? GlobalLock(memory) : nullptr;
    std::string version;
    if (data) {
        char* value = nullptr;
        UINT length = 0;
        if (GetFileVersionInfoA(path, handle, size, data) &&
            VerQueryValueA(data, "\\StringFileInfo\\040904b0\\ProductVersion",
                           reinterpret_cast<void**>(&value), &length) && value) {
            // "2, 0, 4, 1" reads 2.0.4.1
            for (const char* c = value; *c; ++c) {
                if (*c == ',') version += '.';
                else if (*c != ' ') version += *c;
            }
        }
        GlobalUnlock(memory);
    }
    if (memory) GlobalFree(memory);
    return version;
}

std::string ReadRegistryString(HKEY root, const char* subkey, const char* valueName)
{
    CRegistryKey key;
    if (key.Open(root, subkey) != ERROR_SUCCESS) return "";
    // A value longer than 1024 bytes reads as nothing, and so does one of an
    // odd size (a one-byte number, a text without its end).
    const RegistryValue value = ReadRegistryValue(key.get(), valueName, 1024);
    if (!value.IsRead()) return "";
    if (value.type == REG_SZ && value.HasTextEnd()) return value.TextToEnd();
    if (std::optional<int32_t> number = value.Number()) return FormatDecimal(*number);
    return "";
}

LONG DeleteRegistryValue(HKEY root, const char* subkey, const char* valueName)
{
    CRegistryKey key;
    LONG result = key.Open(root, subkey);
    if (result != ERROR_SUCCESS) return result;
    RegDeleteValueA(key.get(), valueName);
    return key.Close();
}

LONG DeleteRegistryKey(HKEY root, const char* subkey)
{
    return RegDeleteKeyA(root, subkey);
}

void ShowError(HWND owner, const std::string& text)
{
    MessageBoxA(owner, text.c_str(), "Error", MB_OK | MB_ICONERROR);
}

void ShowNote(const std::string& text)
{
    ShowNote(GetForegroundWindow(), text);
}

void ShowNote(HWND owner, const std::string& text)
{
    MessageBoxA(owner, text.c_str(), "Note", MB_OK | MB_ICONINFORMATION);
}

std::vector<wchar_t> WideFromUtf8(const std::string& text)
{
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> converted(size > 0 ? size : 1, L'\0');
    if (size > 0) MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, converted.data(), size);
    return converted;
}

bool FileExists(const std::string& path)
{
    return _access(path.c_str(), 0) == 0;
}

void ShowHelp(const std::string& installFolder)
{
    // The install folder is stored with its trailing backslash, in any
    // script: the page's path goes to the wide functions, never through the
    // ANSI code page.
    std::string path = installFolder + "Tombolix.htm";
    std::vector<wchar_t> widePath = WideFromUtf8(path);
    HWND owner = GetForegroundWindow();
    auto showError = [owner](const std::string& text) {
        // A box cannot stand on a window that closed during the shell's call.
        MessageBoxW(IsWindow(owner) ? owner : nullptr, WideFromUtf8(text).data(), L"Error", MB_OK | MB_ICONERROR);
    };
    if (GetFileAttributesW(widePath.data()) == INVALID_FILE_ATTRIBUTES) {
        showError("Sorry, could not find help file " + path + ". It may be installed in another folder.");
        return;
    }
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", widePath.data(), L"", L"", SW_SHOWNORMAL));
    if (result <= 32) showError("Sorry, could not launch browser to view help file " + path);
}
