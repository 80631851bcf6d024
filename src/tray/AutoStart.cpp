#include "tray/AutoStart.h"

#include "os/SystemServices.h"
#include "collections/Settings.h"
#include "framework/WinApp.h"
#include "os/RegistryKey.h"
#include "os/RegistryValue.h"
#include "tray/StartupShortcut.h"

#include <io.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace {
const char* const runKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::string> ShortcutPath()
{
    std::optional<std::string> folder = GetStartupFolder();
    if (!folder) return std::nullopt;
    return StartupShortcutPath(*folder, g_appTitle);
}
}  // namespace

std::optional<std::string> GetStartupFolder()
{
    CRegistryKey key;
    for (const std::string& path : ShellFolderKeys(GetPlatformId()))
        if (key.Open(HKEY_CURRENT_USER, path.c_str()) == ERROR_SUCCESS) break;
    if (!key) return std::nullopt;
    // Read as text whatever its type; a folder longer than 259 characters
    // cannot be read.
    const RegistryValue folder = ReadRegistryValue(key.get(), "StartUp", MAX_PATH);
    if (!folder.IsRead()) return std::nullopt;
    return folder.TextToEnd();
}

void ApplyAutoStart(const ProgramOptions& options)
{
    std::optional<std::string> link = ShortcutPath();
    if (!link) return;
    if (options.autoStart && options.useTray) {
        char program[MAX_PATH];
        GetModuleFileNameA(AfxGetInstanceHandle(), program, MAX_PATH);
        CreateShortcut(program, *link, "Shortcut to Tombolix2.scr", "/tray");
    } else {
        RemoveAutoStart();
    }
}

// COM runs already: the application object starts it for the sheet and the
// resident instance, which alone make shortcuts.
HRESULT CreateShortcut(const std::string& target, const std::string& linkPath, const char* description,
                       const char* arguments)
{
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        result = link->SetPath(target.c_str());
        if (arguments) result = link->SetArguments(arguments);
        if (description) result = link->SetDescription(description);
        IPersistFile* file = nullptr;
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(result)) {
            WCHAR widePath[MAX_PATH] = {};
            MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
            result = file->Save(widePath, TRUE);
            file->Release();
        }
        link->Release();
    }
    return result;
}

void RemoveAutoStart()
{
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, runKey, g_appTitle.c_str());
    if (std::optional<std::string> link = ShortcutPath()) _unlink(link->c_str());
}
