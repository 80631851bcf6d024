// What the scenarios of the setup and its uninstaller share: the places they
// write, the registry they read, and a fixture that leaves nothing installed
// before and after each scenario.
#pragma once
#include "WinTestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace installertest {

using namespace std::chrono_literals;

inline const char* const uninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tombolix";
inline const char* const configKey = "Software\\Brackwen\\Tombolix2\\Config";

inline std::string ShellFolder(int which)
{
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, which, nullptr, 0, folder);
    return folder;
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A value's bytes, or "(missing)".
inline std::string RegistryBytes(HKEY root, const char* key, const char* name)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "(missing)";
    char value[1024] = "";
    DWORD size = sizeof value - 1;
    LONG result = RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS ? std::string(value, size) : "(missing)";
}

inline std::string RegistryText(HKEY root, const char* key, const char* name)
{
    std::string bytes = RegistryBytes(root, key, name);
    return bytes.substr(0, bytes.find('\0'));
}

inline DWORD RegistryNumber(HKEY root, const char* key, const char* name)
{
    std::string bytes = RegistryBytes(root, key, name);
    DWORD value = 0xFFFFFFFF;
    if (bytes.size() == sizeof value) memcpy(&value, bytes.data(), sizeof value);
    return value;
}

// Opened without sharing, as a program busy with it would.
struct HeldFile {
    HANDLE handle;
    explicit HeldFile(const std::string& path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { CloseHandle(handle); }
};

struct Installer : ::testing::Test {
    std::string system = wintest::SystemFolder();
    std::string installed = ShellFolder(CSIDL_PROGRAM_FILES) + "\\Tombolix";
    std::string uninstaller = installed + "\\Uninstall.exe";

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        UninstallWhatIsRecorded();
    }
    void TearDown() override
    {
        UninstallWhatIsRecorded();
        wintest::ClearStoredSettings();
    }
    // Wherever a scenario that failed left the install.
    void UninstallWhatIsRecorded() const
    {
        Uninstall(RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "InstallLocation"));
        Uninstall();
    }

    static DWORD Install(const std::string& arguments = "/S")
    {
        wintest::Child setup(wintest::SetupPath(), arguments);
        return setup.WaitForExit(60s) ? setup.ExitCode() : 9999;
    }
    // The uninstaller's exit code; its own file goes just after it ends.
    DWORD Uninstall(const std::string& folder = "", const std::string& arguments = "/S") const
    {
        const std::string program = (folder.empty() || folder == "(missing)" ? installed : folder) + "\\Uninstall.exe";
        if (!Exists(program)) return 0;
        wintest::Child run(program, arguments);
        DWORD code = run.WaitForExit(60s) ? run.ExitCode() : 9999;
        if (code == 0) wintest::WaitUntil([&] { return !Exists(program); }, 30s);
        return code;
    }
};

}  // namespace installertest
