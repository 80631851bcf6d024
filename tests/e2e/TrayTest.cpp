// The resident instance: its icon, its menu and its commands, and how the
// settings sheet starts and ends it.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

using namespace std::chrono_literals;
using wintest::Child;

std::vector<HWND> TrayIconWindows()
{
    std::vector<HWND> icons;
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    for (HWND icon = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); icon;
         icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr))
        icons.push_back(icon);
    return icons;
}

using wintest::ScreenSaverActive;

struct Tray : ::testing::Test {
    wintest::Fixtures fixtures;
    std::unique_ptr<Child> tray;
    HWND window = nullptr;
    std::string system = wintest::SystemFolder();
    std::string startup = "C:\\TombolixStartupTray";
    wintest::StartupFolderOverride startupFolder{startup};

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
        CreateDirectoryA(startup.c_str(), nullptr);
        // Copies of the program find the program as Windows would: in the system folder.
        CopyFileA(wintest::ProgramPath().c_str(), (system + "\\Tombolix2.scr").c_str(), FALSE);
    }
    void TearDown() override
    {
        for (HWND other = FindWindowA(nullptr, "Tombolix2"); other; other = FindWindowA(nullptr, "Tombolix2")) {
            PostMessageA(other, WM_CLOSE, 0, 0);
            wintest::WaitUntil([&] { return !IsWindow(other); }, 10s);
        }
        tray.reset();
        wintest::WaitUntil([&] { return DeleteFileA((system + "\\Tombolix2.scr").c_str()) != FALSE; }, 10s);
        DeleteFileA((startup + "\\Tombolix2.lnk").c_str());
        RemoveDirectoryA(startup.c_str());
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
        wintest::ClearStoredSettings();
    }

    void StartTray()
    {
        tray = std::make_unique<Child>("/tray");
        ASSERT_TRUE(wintest::WaitUntil([&] {
            return (window = wintest::FindWindowOfProcess(tray->Id(), nullptr, "Tombolix2")) != nullptr;
        }, 10s));
    }
    void Command(UINT id) { SendMessageA(window, WM_COMMAND, id, 0); }
    // Tombolix Settings... from the menu; the sheet once it shows, or null.
    HWND OpenSheet()
    {
        // Posted: the sheet is modal inside the tray window's command handler.
        PostMessageA(window, WM_COMMAND, 32773, 0);
        HWND sheet = nullptr;
        wintest::WaitUntil([&] {
            return (sheet = wintest::FindWindowOfProcess(tray->Id(), "#32770", "Tombolix Screensaver")) != nullptr;
        }, 10s);
        return sheet;
    }

    // Right-clicks the icon and picks the item with this mnemonic.
    bool ChooseFromMenu(char mnemonic)
    {
        std::vector<HWND> icons = TrayIconWindows();
        if (icons.empty()) return false;
        PostMessageA(icons.back(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        PostMessageA(icons.back(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        HWND menu = nullptr;
        if (!wintest::WaitUntil([&] {
                menu = wintest::FindWindowOfProcess(tray->Id(), "#32768", nullptr);
                return menu && IsWindowVisible(menu);
            }, 5s))
            return false;
        PostMessageA(menu, WM_CHAR, mnemonic, 0);
        // An item that is not in the menu leaves it open: close it.
        if (!wintest::WaitUntil([&] { return !IsWindowVisible(menu); }, 2s)) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        return wintest::WaitUntil([&] { return !IsWindowVisible(menu); }, 2s);
    }
};

TEST_F(Tray, ShowsItsIconUntilItExits)
{
    size_t before = TrayIconWindows().size();
    StartTray();
    EXPECT_TRUE(wintest::WaitUntil([&] { return TrayIconWindows().size() == before + 1; }, 5s));
    wintest::WriteFileBytes(startup + "\\Tombolix2.lnk", "");
    wintest::SetConfigInt("UseTray", 1);

    Command(32775);   // Exit
    EXPECT_TRUE(tray->WaitForExit(10s));
    EXPECT_TRUE(wintest::WaitUntil([&] { return TrayIconWindows().size() == before; }, 5s));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((startup + "\\Tombolix2.lnk").c_str()));
    HKEY config;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", &config));
    DWORD autoStart = 9, useTray = 9, size = sizeof(DWORD);
    RegQueryValueExA(config, "AutoStart", nullptr, nullptr, reinterpret_cast<BYTE*>(&autoStart), &size);
    size = sizeof(DWORD);
    RegQueryValueExA(config, "UseTray", nullptr, nullptr, reinterpret_cast<BYTE*>(&useTray), &size);
    RegCloseKey(config);
    EXPECT_EQ(0u, autoStart);
    EXPECT_EQ(1u, useTray);
}

TEST_F(Tray, SwitchesTheSystemScreenSaverAndItsMenu)
{
    StartTray();
    Command(32772);
    EXPECT_FALSE(ScreenSaverActive());
    // The menu now offers "&Enable Screensaver".
    ASSERT_TRUE(ChooseFromMenu('e'));
    EXPECT_TRUE(wintest::WaitUntil([] { return ScreenSaverActive(); }, 3s));
    // And back to "&Disable Screensaver"; 'e' no longer picks anything.
    ASSERT_TRUE(ChooseFromMenu('e'));
    EXPECT_TRUE(ScreenSaverActive());
    ASSERT_TRUE(ChooseFromMenu('d'));
    EXPECT_TRUE(wintest::WaitUntil([] { return !ScreenSaverActive(); }, 3s));
    Command(32776);
    EXPECT_TRUE(ScreenSaverActive());

    Command(32772);
    SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);   // the tray window lets itself be closed
    EXPECT_TRUE(tray->WaitForExit(10s));
}

TEST_F(Tray, TracesTheScreenSaverRequestsItPassesOnOrRefuses)
{
    wintest::TraceFolder trace("TombolixTrayTrace");
    StartTray();
    Command(32771);
    SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    Command(32772);
    SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    Command(32776);
    SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);

    std::vector<std::string> messages;
    for (const std::string& line : trace.Lines()) messages.push_back(line.substr(std::min<size_t>(12, line.size())));
    ASSERT_EQ(5u, messages.size());
    EXPECT_EQ(".\\App line 66 : rand.seed() = ", messages[0].substr(0, 30));
    EXPECT_EQ((std::vector<std::string>{".\\Tray : run the screen saver now",
                                        ".\\Tray : screen saver request passed on to Windows",
                                        ".\\Tray : screen saver request refused: switched off from the menu",
                                        ".\\Tray : screen saver request passed on to Windows"}),
              std::vector<std::string>(messages.begin() + 1, messages.end()));
}

TEST_F(Tray, ConfiguresTheSystemScreenSaverFromSystemIni)
{
    fixtures.Install(system, "Configured");
    StartTray();
    std::string saver = system + "\\Configured.scr";
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", saver.c_str(), "system.ini");
    Command(32778);
    EXPECT_TRUE(fixtures.WaitForLine("Configured start " + saver + " /c", 10s));
    // Its last line until it is closed.
    EXPECT_TRUE(fixtures.WaitForLine("Configured window 0 0 0 1024 768", 10s));

    fixtures.ClearLog();
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "system.ini");
    Command(32778);
    std::this_thread::sleep_for(2s);
    EXPECT_TRUE(fixtures.Log().empty());
}

TEST_F(Tray, RunsASessionOfItsOwn)
{
    fixtures.Install(system, "FromTray");
    wintest::WriteCollectionsFile("[Default]\r\nFromTray=2\\15\\1\\0\\\r\n");
    StartTray();
    Command(32777);
    EXPECT_TRUE(fixtures.WaitForLine("FromTray start \"" + system + "\\FromTray.scr\" /s", 15s));
    EXPECT_TRUE(tray->Running());
}

TEST_F(Tray, AScreenSaverStartWithoutAResidentInstanceStartsOneInstead)
{
    fixtures.Install(system, "NotThisTime");
    wintest::WriteCollectionsFile("[Default]\r\nNotThisTime=2\\15\\1\\0\\\r\n");
    Child start("/s");
    EXPECT_TRUE(start.WaitForExit(10s));
    HWND resident = nullptr;
    EXPECT_TRUE(wintest::WaitUntil([&] { return (resident = FindWindowA(nullptr, "Tombolix2")) != nullptr; }, 10s));
    DWORD owner = 0;
    GetWindowThreadProcessId(resident, &owner);
    EXPECT_NE(start.Id(), owner);
    EXPECT_TRUE(fixtures.Log().empty());
}

TEST_F(Tray, OpensOneSettingsSheetAtATime)
{
    StartTray();
    HWND sheet = OpenSheet();
    ASSERT_TRUE(sheet);
    PostMessageA(window, WM_COMMAND, 32773, 0);
    EXPECT_FALSE(wintest::WaitUntil([&] {
        size_t sheets = 0;
        for (HWND shown : wintest::WindowsOfProcess(tray->Id()))
            sheets += wintest::WindowText(shown) == "Tombolix Screensaver";
        return sheets > 1;
    }, 3s));

    ASSERT_TRUE(wintest::AnswerSettingsSheet(tray->Id(), false, 5s));
    EXPECT_TRUE(wintest::WaitUntil([&] { return !IsWindow(sheet); }, 10s));
    EXPECT_TRUE(tray->Running());
    // Closed, it can be opened again.
    PostMessageA(window, WM_COMMAND, 32773, 0);
    EXPECT_TRUE(wintest::AnswerSettingsSheet(tray->Id(), false, 10s));
}

TEST_F(Tray, AnOpenSheetKeepsItRunningUntilItsUserClosesIt)
{
    StartTray();
    HWND sheet = OpenSheet();
    ASSERT_TRUE(sheet);
    // Neither a close request from outside nor Exit drops the sheet's edits.
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_COMMAND, 32775, 0);
    EXPECT_EQ("The Tombolix settings are still open. Press OK there to keep your changes or Cancel to drop them, "
              "then exit Tombolix.",
              wintest::AnswerMessageBox(tray->Id(), "Note", 10s));
    EXPECT_TRUE(tray->Running());
    EXPECT_TRUE(IsWindow(sheet));

    ASSERT_TRUE(wintest::AnswerSettingsSheet(tray->Id(), false, 5s));
    EXPECT_TRUE(wintest::WaitUntil([&] { return !IsWindow(sheet); }, 10s));
    PostMessageA(window, WM_COMMAND, 32775, 0);
    EXPECT_TRUE(tray->WaitForExit(10s));
}

TEST_F(Tray, OpensTheDisplayProperties)
{
    // The tray program looks for control.exe in its own folder first.
    fixtures.InstallAt(wintest::ShippedFolder() + "\\control.exe");
    StartTray();
    Command(32774);
    EXPECT_TRUE(fixtures.WaitForLine("control start control.exe desk.cpl", 10s));
}

TEST_F(Tray, TheSettingsSheetEndsOrStartsTheTrayInstance)
{
    StartTray();
    wintest::SetConfigInt("UseTray", 0);
    {
        Child settings("/c");
        ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), true, 10s));
        EXPECT_TRUE(settings.WaitForExit(10s));
    }
    EXPECT_TRUE(tray->WaitForExit(10s));

    wintest::SetConfigInt("UseTray", 1);
    {
        Child settings("/c");
        ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), true, 10s));
        EXPECT_TRUE(settings.WaitForExit(10s));
    }
    EXPECT_TRUE(wintest::WaitUntil([] { return FindWindowA(nullptr, "Tombolix2") != nullptr; }, 10s));
    // And it is started with Windows from now on.
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((startup + "\\Tombolix2.lnk").c_str()));
}

}  // namespace
