// The first step of removing the program, from its settings sheet: every
// stored setting goes when the sheet closes, and with OK the resident
// instance too.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using wintest::Child;

constexpr int uninstallPageIndex = 6;
constexpr int uninstallButton = 1100;
constexpr int trayPageIndex = 2;
constexpr int useTrayBox = 1089;

struct UninstallStep : ::testing::Test {
    std::unique_ptr<Child> tray;
    HWND trayWindow = nullptr;
    // An OK that keeps the resident instance also keeps it starting with Windows.
    const std::string startup = "C:\\TombolixStartupUninstall";
    wintest::StartupFolderOverride startupFolder{startup};

    void SetUp() override
    {
        CreateDirectoryA(startup.c_str(), nullptr);
        wintest::ClearStoredSettings();
        wintest::SetConfigInt("UseTray", 1);
        wintest::SetConfigString("Current", "Evening");
        wintest::WriteCollectionsFile("[Evening]\r\nAquarium=1\\10\\1\\0\\\r\n");
        tray = std::make_unique<Child>("/tray");
        ASSERT_TRUE(wintest::WaitUntil([&] {
            return (trayWindow = wintest::FindWindowOfProcess(tray->Id(), nullptr, "Tombolix2")) != nullptr;
        }, 10s));
    }
    void TearDown() override
    {
        if (IsWindow(trayWindow)) PostMessageA(trayWindow, WM_CLOSE, 0, 0);
        if (tray) tray->WaitForExit(10s);
        tray.reset();
        DeleteFileA((startup + "\\Tombolix2.lnk").c_str());
        RemoveDirectoryA(startup.c_str());
        wintest::ClearStoredSettings();
    }

    // Opens the sheet, presses "Uninstall (Step 1)" and answers its note.
    void TakeStepOne(const Child& settings)
    {
        HWND sheet = wintest::OpenSettingsPage(settings.Id(), uninstallPageIndex, 10s);
        ASSERT_TRUE(sheet);
        HWND button = nullptr;
        ASSERT_TRUE(wintest::WaitUntil([&] { return (button = wintest::FindControl(sheet, uninstallButton)) != nullptr; },
                                       5s));
        EXPECT_EQ("Uninstall (Step 1)", wintest::WindowText(button));
        // Twice: the note each time, and nothing more.
        for (int press = 0; press < 2; ++press) {
            PostMessageA(button, BM_CLICK, 0, 0);
            EXPECT_EQ("Step 1 for Uninstalling completed.", wintest::AnswerMessageBox(settings.Id(), "Note", 10s));
        }
    }
    // Every setting gone; only the note that the older file was imported
    // stays, so that no later start imports it again.
    static bool NothingStored()
    {
        HKEY config = nullptr;
        DWORD values = 0, subkeys = 0, imported = 0, size = sizeof imported;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2", 0, KEY_READ, &config) == ERROR_SUCCESS) {
            RegQueryInfoKeyA(config, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr);
            RegCloseKey(config);
        }
        if (subkeys != 1 || values != 0 ||
            RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", 0, KEY_READ, &config) !=
                ERROR_SUCCESS)
            return false;
        RegQueryInfoKeyA(config, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
        bool onlyTheNote = subkeys == 0 && values == 1 &&
                           RegQueryValueExA(config, "OlderFileImported", nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(&imported), &size) == ERROR_SUCCESS &&
                           imported == 1;
        RegCloseKey(config);
        return onlyTheNote &&
               wintest::KeyExists(HKEY_CURRENT_USER, "Software\\Brackwen") &&
               GetFileAttributesA((wintest::WindowsFolder() + "\\Tombolix2.ini").c_str()) == INVALID_FILE_ATTRIBUTES;
    }
};

TEST_F(UninstallStep, ThenOkClosesTheResidentInstanceAndRemovesEveryStoredSetting)
{
    Child settings("/c");
    TakeStepOne(settings);
    ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), true, 5s));
    EXPECT_TRUE(settings.WaitForExit(10s));
    EXPECT_TRUE(tray->WaitForExit(10s));
    EXPECT_TRUE(NothingStored());
}

// Neither the older version's file nor the copy that Windows kept for the
// 32-bit program (which only the 64-bit program takes over and removes)
// brings anything back at a later start.
TEST_F(UninstallStep, NothingTheStepRemovedComesBackAtTheNextStart)
{
    const std::string windows = wintest::WindowsFolder();
    const std::string copy = wintest::VirtualStoreFolder() + "\\Tombolix2.ini";
#ifdef _WIN64
    wintest::WriteFileBytes(copy, "[Night]\r\nClock=1\\10\\1\\0\\\r\n");
#endif
    wintest::WriteFileBytes(windows + "\\Tombolix.ini", "[Old]\r\nclock=7\\1\\20\\1\\\r\n");
    Child settings("/c");
    TakeStepOne(settings);
    // A save record that another program held open when its save was done.
    const std::string record = wintest::SaveRecordPath();
    wintest::WriteFileBytes(record, "Tombolix save record 2\r\nid 1\r\nafter 0 0\r\nbefore present\r\n[Gone]\r\n");
    wintest::WriteFileBytes(record + ".void", "1");
    ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), true, 5s));
    EXPECT_TRUE(settings.WaitForExit(10s));
    EXPECT_FALSE(wintest::FileExists(copy));
    EXPECT_FALSE(wintest::FileExists(record.substr(0, record.rfind('\\'))));

    EXPECT_TRUE(wintest::RunStartBesideASession(10s));
    EXPECT_TRUE(NothingStored()) << "/s";
    Child next("/c");
    ASSERT_TRUE(wintest::AnswerSettingsSheet(next.Id(), false, 10s));
    EXPECT_TRUE(next.WaitForExit(10s));
    EXPECT_TRUE(NothingStored()) << "/c";
    DeleteFileA((windows + "\\Tombolix.ini").c_str());
}

TEST_F(UninstallStep, ThenCancelRemovesEveryStoredSettingButLeavesTheResidentInstance)
{
    Child settings("/c");
    TakeStepOne(settings);
    ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), false, 5s));
    EXPECT_TRUE(settings.WaitForExit(10s));
    EXPECT_TRUE(NothingStored());
    EXPECT_FALSE(tray->WaitForExit(3s));
}

TEST_F(UninstallStep, WithTheTrayPageStillTickedOkKeepsTheResidentInstance)
{
    Child settings("/c");
    HWND sheet = wintest::OpenSettingsPage(settings.Id(), trayPageIndex, 10s);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(wintest::WaitUntil([&] { return wintest::FindControl(sheet, useTrayBox) != nullptr; }, 5s));
    TakeStepOne(settings);
    ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), true, 5s));
    EXPECT_TRUE(settings.WaitForExit(10s));
    EXPECT_FALSE(tray->WaitForExit(3s));
    EXPECT_TRUE(NothingStored());
}

}  // namespace
