// The installer and its uninstaller, run silently as an administrator's
// deployment would, and what they leave behind.
#include "WinTestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace std::chrono_literals;

const char* const uninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tombolix";
const char* const configKey = "Software\\Brackwen\\Tombolix2\\Config";

std::string ProgramFilesFolder()
{
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, folder);
    return folder;
}

std::string StartupFolder()
{
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, 0, folder);
    return folder;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A value's bytes, or "(missing)".
std::string RegistryBytes(HKEY root, const char* key, const char* name)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "(missing)";
    char value[1024] = "";
    DWORD size = sizeof value - 1;
    LONG result = RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS ? std::string(value, size) : "(missing)";
}

std::string RegistryText(HKEY root, const char* key, const char* name)
{
    std::string bytes = RegistryBytes(root, key, name);
    return bytes.substr(0, bytes.find('\0'));
}

DWORD RegistryNumber(HKEY root, const char* key, const char* name)
{
    std::string bytes = RegistryBytes(root, key, name);
    DWORD value = 0xFFFFFFFF;
    if (bytes.size() == sizeof value) memcpy(&value, bytes.data(), sizeof value);
    return value;
}

struct Installer : ::testing::Test {
    std::string system = wintest::SystemFolder();
    std::string installed = ProgramFilesFolder() + "\\Tombolix";
    std::string uninstaller = installed + "\\Uninstall.exe";

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        Uninstall();
    }
    void TearDown() override
    {
        Uninstall();
        wintest::ClearStoredSettings();
    }

    static DWORD Install()
    {
        wintest::Child setup(wintest::ProgramFolder() + "\\TombolixSetup64.exe", "/S");
        return setup.WaitForExit(60s) ? setup.ExitCode() : 9999;
    }
    // The uninstaller copies itself away and runs from there: wait for what it removes.
    void Uninstall() const
    {
        if (!Exists(uninstaller)) return;
        wintest::Child(uninstaller, "/S").WaitForExit(30s);
        // Its folder goes last.
        wintest::WaitUntil([&] { return !Exists(installed); }, 30s);
    }
};

TEST_F(Installer, PutsEverythingInPlaceAndMakesTombolixTheScreenSaver)
{
    ASSERT_EQ(0u, Install());
    EXPECT_TRUE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_TRUE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_EQ(wintest::ReadFileBytes(wintest::ProgramFolder() + "\\..\\..\\..\\docs\\Tombolix.htm"),
              wintest::ReadFileBytes(installed + "\\Tombolix.htm"));
    EXPECT_TRUE(Exists(uninstaller));
    EXPECT_EQ(installed + "\\", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));

    EXPECT_EQ("Tombolix Screensaver", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayName"));
    EXPECT_EQ("2.0.4.1", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayVersion"));
    EXPECT_EQ("Brackwen", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "Publisher"));
    EXPECT_EQ(system + "\\Tombolix2.scr,0", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayIcon"));
    EXPECT_EQ("\"" + uninstaller + "\"", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "UninstallString"));
    EXPECT_EQ("\"" + uninstaller + "\" /S", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "QuietUninstallString"));
    EXPECT_EQ(1u, RegistryNumber(HKEY_LOCAL_MACHINE, uninstallKey, "NoModify"));
    EXPECT_EQ(1u, RegistryNumber(HKEY_LOCAL_MACHINE, uninstallKey, "NoRepair"));
    DWORD kilobytes = RegistryNumber(HKEY_LOCAL_MACHINE, uninstallKey, "EstimatedSize");
    EXPECT_GT(kilobytes, 100u);
    EXPECT_LT(kilobytes, 10000u);

    EXPECT_EQ(system + "\\Tombolix2.scr", wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE"));
    EXPECT_EQ(system + "\\Tombolix2.scr", RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"));
}

TEST_F(Installer, TheInstalledProgramRunsASessionWithTheInstalledBlanker)
{
    ASSERT_EQ(0u, Install());
    wintest::Fixtures fixtures;
    fixtures.Install(system, "FirstOfTheSession");
    wintest::SetConfigInt("UseTray", 0);
    wintest::SetConfigInt("UseBlanker", 1);
    wintest::SetConfigInt("BlankerMinutes", 0);
    wintest::WriteCollectionsFile("[Default]\r\nFirstOfTheSession=2\\0\\1\\0\\\r\n");

    wintest::Child session(system + "\\Tombolix2.scr", "/s");
    ASSERT_TRUE(session.Started());
    EXPECT_TRUE(fixtures.WaitForLine("FirstOfTheSession close", 15s));
    HWND blank = nullptr;
    EXPECT_TRUE(wintest::WaitUntil([&] { return (blank = FindWindowA("BlankScreenSaver", nullptr)) != nullptr; }, 15s));
    PostMessageA(blank, WM_KEYDOWN, 'A', 0);
    // The blanker's end ends the session.
    EXPECT_TRUE(session.WaitForExit(10s));
}

TEST_F(Installer, EveryHelpButtonFindsTheInstalledPage)
{
    ASSERT_EQ(0u, Install());
    wintest::Fixtures fixtures;
    const std::string viewer = wintest::ProgramFolder() + "\\PageViewer.exe";
    fixtures.InstallAt(viewer);
    wintest::ShellOpenOverride association(".htm", viewer);

    wintest::Child settings(system + "\\Tombolix2.scr", "/c");
    constexpr int uninstallPage = 5, helpButton = 1099;
    HWND sheet = wintest::OpenSettingsPage(settings.Id(), uninstallPage, 10s);
    ASSERT_TRUE(sheet);
    HWND help = nullptr;
    ASSERT_TRUE(wintest::WaitUntil([&] { return (help = wintest::FindControl(sheet, helpButton)) != nullptr; }, 5s));
    PostMessageA(help, BM_CLICK, 0, 0);
    EXPECT_TRUE(fixtures.WaitForLine("PageViewer start \"" + viewer + "\" \"" + installed + "\\Tombolix.htm\"", 10s));
    EXPECT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), false, 5s));
    EXPECT_TRUE(settings.WaitForExit(10s));
}

TEST_F(Installer, AnUpdateKeepsTheCollectionsAndOptionsByteForByte)
{
    ASSERT_EQ(0u, Install());
    const std::string collections = "[Night]\r\nAquarium=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n"
                                    "[TombolixInternal]\r\nFolders=D:\\Savers*\r\n";
    wintest::WriteCollectionsFile(collections);
    wintest::SetConfigInt("UseTray", 0);
    wintest::SetConfigString("Current", "Night");
    wintest::SetConfigString("BlankerName", "Starfield");

    ASSERT_EQ(0u, Install());
    EXPECT_EQ(collections, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    EXPECT_EQ(0u, RegistryNumber(HKEY_CURRENT_USER, configKey, "UseTray"));
    EXPECT_EQ("Night", RegistryText(HKEY_CURRENT_USER, configKey, "Current"));
    EXPECT_EQ("Starfield", RegistryText(HKEY_CURRENT_USER, configKey, "BlankerName"));
    EXPECT_EQ(installed + "\\", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));
}

TEST_F(Installer, TheUninstallerEndsTheResidentInstanceAndKeepsTheUsersCollections)
{
    ASSERT_EQ(0u, Install());
    const std::string collections = "[Default]\r\nAquarium=1\\10\\1\\0\\\r\n";
    wintest::WriteCollectionsFile(collections);
    wintest::SetConfigString("Current", "Default");
    const std::string shortcut = StartupFolder() + "\\Tombolix2.lnk";
    CreateDirectoryA(StartupFolder().c_str(), nullptr);
    wintest::WriteFileBytes(shortcut, "shortcut");
    ASSERT_TRUE(Exists(shortcut));
    HKEY run;
    RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", &run);
    RegSetValueExA(run, "Tombolix2", 0, REG_SZ, reinterpret_cast<const BYTE*>("old"), 4);
    RegCloseKey(run);

    const std::string saver = system + "\\Tombolix2.scr";
    wintest::Child tray(saver, "/tray");
    ASSERT_TRUE(wintest::WaitUntil([&] { return !wintest::WindowsOfProcess(tray.Id()).empty(); }, 10s));

    Uninstall();
    EXPECT_TRUE(tray.WaitForExit(10s));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(Exists(saver));
    EXPECT_FALSE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_FALSE(Exists(installed));
    EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    EXPECT_EQ("(missing)", wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE"));
    EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"));
    EXPECT_EQ("(missing)",
              RegistryText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tombolix2"));
    EXPECT_EQ(collections, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    EXPECT_EQ("Default", RegistryText(HKEY_CURRENT_USER, configKey, "Current"));
}

}  // namespace
