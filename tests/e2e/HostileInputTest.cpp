// What users' machines throw at the program: names longer than a path,
// folders on drives that come and go, an old collections file on a machine
// with several users, odd registry values, and many starts at once.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;
using wintest::Child;
using Lines = std::vector<std::string>;

struct HostileInput : ::testing::Test {
    wintest::Fixtures fixtures;
    std::string system = wintest::SystemFolder();

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        wintest::SetConfigInt("UseTray", 0);
    }
    void TearDown() override
    {
        CloseEveryInstance();
        // What a failed test may leave behind would change every later start.
        HKEY desktop;
        if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop) == ERROR_SUCCESS) {
            RegDeleteValueA(desktop, "ScreenSaveUsePassword");
            RegDeleteValueA(desktop, "ScreenSaverIsSecure");
            RegCloseKey(desktop);
        }
        DeleteFileA((wintest::WindowsFolder() + "\\Tombolix.ini").c_str());
        wintest::ClearStoredSettings();
        wintest::SetScreenSaverRunning(false);
        wintest::WriteCollectionsFile("");
    }

    static void CloseEveryInstance()
    {
        for (HWND session = FindWindowA(nullptr, "Tombolix2"); session; session = FindWindowA(nullptr, "Tombolix2")) {
            PostMessageA(session, WM_CLOSE, 0, 0);
            wintest::WaitUntil([&] { return !IsWindow(session); }, 10s);
        }
        wintest::Fixtures::CloseAllWindows();
    }
    // Runs one screen-saver start to its end; its exit code.
    DWORD RunToTheEnd(std::chrono::milliseconds timeout)
    {
        Child program("/s");
        EXPECT_TRUE(program.WaitForExit(timeout));
        return program.ExitCode();
    }
    bool WaitForStartOf(const std::string& name, std::chrono::milliseconds timeout) const
    {
        return wintest::WaitUntil([&] { return StartsOf(name) > 0; }, timeout);
    }
    size_t StartsOf(const std::string& name) const
    {
        size_t starts = 0;
        for (const std::string& line : fixtures.Log()) starts += line.rfind(name + " start ", 0) == 0;
        return starts;
    }
};

TEST_F(HostileInput, NamesLongerThanAPathEndTheSessionWithoutACrash)
{
    // A line whose name no file can have: no screen saver, and not the
    // program's to forget.
    const std::string longName(2000, 'n');
    wintest::WriteCollectionsFile("[Default]\r\n" + longName + "=2\\15\\1\\0\\\r\n");
    EXPECT_EQ(0u, RunToTheEnd(15s));
    EXPECT_EQ("2\\15\\1\\0\\", wintest::ReadProfileString("Tombolix2.ini", "Default", longName.c_str()));

    // An extra folder that cannot be a path: it cannot be looked into either.
    wintest::WriteCollectionsFile("[Default]\r\nElsewhere=2\\15\\1\\0\\\r\n"
                                  "[TombolixInternal]\r\nFolders=C:\\" + std::string(3000, 'f') + "*\r\n");
    EXPECT_EQ(0u, RunToTheEnd(15s));
    EXPECT_EQ("2\\15\\1\\0\\", wintest::ReadProfileString("Tombolix2.ini", "Default", "Elsewhere"));

    // A blanker that cannot be started ends the session, and nothing else.
    fixtures.Install(system, "BeforeBlanker");
    const std::string collection = "[Default]\r\nBeforeBlanker=2\\0\\1\\0\\\r\n";
    wintest::WriteCollectionsFile(collection);
    wintest::SetConfigInt("UseBlanker", 1);
    wintest::SetConfigInt("BlankerMinutes", 0);
    wintest::SetConfigString("BlankerName", std::string(5000, 'b'));
    EXPECT_EQ(0u, RunToTheEnd(20s));
    EXPECT_TRUE(fixtures.WaitForLine("BeforeBlanker close", 1s));
    EXPECT_EQ(collection, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
}

TEST_F(HostileInput, AnEntryInAFolderThatIsAwayIsKeptUntilEveryFolderCanBeSearched)
{
    const std::string present = "C:\\TombolixPresent", away = "C:\\TombolixAway";
    CreateDirectoryA(present.c_str(), nullptr);
    RemoveDirectoryA(away.c_str());
    const std::string folders = "[TombolixInternal]\r\nFolders=" + present + "*" + away + "*\r\n";
    wintest::WriteCollectionsFile("[Default]\r\nOnTheStick=1\\5\\1\\0\\\r\n" + folders);
    for (int activation = 0; activation < 2; ++activation) EXPECT_EQ(0u, RunToTheEnd(15s));
    EXPECT_EQ("1\\5\\1\\0\\", wintest::ReadProfileString("Tombolix2.ini", "Default", "OnTheStick"));

    // Back online and still without the file: now it is surely gone.
    CreateDirectoryA(away.c_str(), nullptr);
    RunToTheEnd(15s);
    EXPECT_EQ("(missing)", wintest::ReadProfileString("Tombolix2.ini", "Default", "OnTheStick"));
    RemoveDirectoryA(away.c_str());
    RemoveDirectoryA(present.c_str());
}

TEST_F(HostileInput, TheOlderFileIsImportedOnlyIntoAnEmptyCollectionsFile)
{
    const std::string olderFile = wintest::WindowsFolder() + "\\Tombolix.ini";
    wintest::WriteCollectionsFile("");
    wintest::WriteFileBytes(olderFile, "[Default]\r\nAlpha=0\\4\\99\\0\\\r\n");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix.ini");

    // The first user's first start: nothing to lose, so it is imported.
    EXPECT_TRUE(wintest::RunStartBesideASession(10s));
    EXPECT_EQ("4\\99\\0\\0\\", wintest::ReadProfileString("Tombolix2.ini", "Default", "Alpha"));

    // Another user's first start finds the file in use and leaves it alone.
    const std::string inUse = "[Default]\r\nAlpha=1\\10\\1\\0\\\r\n";
    wintest::ClearStoredSettings();
    wintest::WriteCollectionsFile(inUse);
    EXPECT_TRUE(wintest::RunStartBesideASession(10s));
    EXPECT_EQ(inUse, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    // The mark is still recorded, so the question is not asked again.
    HKEY config;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", &config));
    DWORD mark = 0, size = sizeof mark;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(config, "OlderFileImported", nullptr, nullptr,
                                              reinterpret_cast<BYTE*>(&mark), &size));
    EXPECT_EQ(1u, mark);
    RegCloseKey(config);
    DeleteFileA(olderFile.c_str());
}

TEST_F(HostileInput, StartsInTheSameInstantGiveOneSession)
{
    fixtures.Install(system, "OnlyOnce");
    wintest::WriteCollectionsFile("[Default]\r\nOnlyOnce=2\\15\\1\\0\\\r\n");
    std::vector<std::unique_ptr<Child>> starts;
    for (int i = 0; i < 5; ++i) starts.push_back(std::make_unique<Child>("/s"));
    ASSERT_TRUE(WaitForStartOf("OnlyOnce", 15s));
    // Four end at once; the one left is the session.
    EXPECT_TRUE(wintest::WaitUntil([&] {
        size_t running = 0;
        for (auto& start : starts) running += start->Running();
        return running == 1;
    }, 15s));
    std::this_thread::sleep_for(2s);
    EXPECT_EQ(1u, StartsOf("OnlyOnce"));
}

TEST_F(HostileInput, AScreenSaverStartBesideTheTrayInstanceAndAnotherStartGivesOneSession)
{
    wintest::SetConfigInt("UseTray", 1);
    fixtures.Install(system, "BesideTray");
    wintest::WriteCollectionsFile("[Default]\r\nBesideTray=2\\15\\1\\0\\\r\n");
    Child tray("/tray");
    ASSERT_TRUE(wintest::WaitUntil([&] {
        return wintest::FindWindowOfProcess(tray.Id(), nullptr, "Tombolix2") != nullptr;
    }, 10s));
    Child first("/s"), second("/s");
    ASSERT_TRUE(WaitForStartOf("BesideTray", 15s));
    EXPECT_TRUE(wintest::WaitUntil([&] { return first.Running() != second.Running(); }, 15s));
    std::this_thread::sleep_for(2s);
    EXPECT_EQ(1u, StartsOf("BesideTray"));

    // The resident instance goes away; the session still runs, so a new
    // start neither runs a second session nor starts a resident instance.
    HWND trayWindow = wintest::FindWindowOfProcess(tray.Id(), nullptr, "Tombolix2");
    PostMessageA(trayWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(tray.WaitForExit(10s));
    Child third("/s");
    EXPECT_TRUE(third.WaitForExit(10s));
    EXPECT_EQ(1u, StartsOf("BesideTray"));
    size_t titled = 0;
    for (HWND window = FindWindowA(nullptr, "Tombolix2"); window; window = FindWindowExA(nullptr, window, nullptr, "Tombolix2"))
        ++titled;
    EXPECT_EQ(1u, titled);   // the session's own window, and no new resident instance
}

TEST_F(HostileInput, AnOddSizedPasswordValueReadsAsAbsent)
{
    HKEY desktop;
    RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop);
    // A number of one byte: not a number at all, so the fallback decides.
    RegSetValueExA(desktop, "ScreenSaveUsePassword", 0, REG_DWORD, reinterpret_cast<const BYTE*>("\x01"), 1);
    RegSetValueExA(desktop, "ScreenSaverIsSecure", 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2);
    fixtures.Install(system, "OddFirst");
    fixtures.Install(system, "OddSecond");
    wintest::WriteCollectionsFile("[Default]\r\nOddFirst=2\\0\\1\\0\\\r\nOddSecond=2\\15\\1\\1\\\r\nTombolixCycle=1\r\n");
    {
        Child program("/s");
        EXPECT_TRUE(WaitForStartOf("OddSecond", 20s));
    }
    CloseEveryInstance();

    // The fallback says the password is in use: the first one runs on.
    RegSetValueExA(desktop, "ScreenSaverIsSecure", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    wintest::WriteCollectionsFile("[Default]\r\nOddFirst=2\\0\\1\\0\\\r\nOddSecond=2\\15\\1\\1\\\r\nTombolixCycle=1\r\n");
    fixtures.ClearLog();
    Child program("/s");
    ASSERT_TRUE(WaitForStartOf("OddFirst", 10s));
    std::this_thread::sleep_for(3s);
    EXPECT_FALSE(fixtures.WaitForLine("OddFirst close", 0ms));
    EXPECT_EQ(0u, StartsOf("OddSecond"));

    RegDeleteValueA(desktop, "ScreenSaveUsePassword");
    RegDeleteValueA(desktop, "ScreenSaverIsSecure");
    RegCloseKey(desktop);
}

}  // namespace
