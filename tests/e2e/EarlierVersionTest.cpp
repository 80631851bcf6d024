// An earlier version of the program, found by its title "Tombolix2" and its
// file Tombolix2.scr: the sheet's OK, the starts and the resident instance's
// Exit treat its windows as Tombolix's, and never another program's window
// of the same title. Both are the test screen saver: as Tombolix2.scr in a
// folder of its own, and as Lookalike.exe, which takes the title too.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::chrono_literals;
using wintest::Child;

struct EarlierVersion : ::testing::Test {
    std::unique_ptr<wintest::Fixtures> fixtures = std::make_unique<wintest::Fixtures>();
    std::string folder = "C:\\TombolixEarlierVersion";
    std::string system = wintest::SystemFolder();
    std::string startup = "C:\\TombolixStartupEarlier";
    wintest::StartupFolderOverride startupFolder{startup};

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        wintest::SetScreenSaverRunning(false);
        CreateDirectoryA(startup.c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        fixtures->InstallAt(folder + "\\Tombolix2.scr");
        fixtures->InstallAt(folder + "\\Lookalike.exe");
        // A resident instance the sheet starts is found where Windows finds the program.
        CopyFileA(wintest::ProgramPath().c_str(), (system + "\\Tombolix2.scr").c_str(), FALSE);
    }
    void TearDown() override
    {
        // Ends the fixtures, and any program still running from a Tombolix2.scr.
        fixtures.reset();
        RemoveDirectoryA(folder.c_str());
        wintest::WaitUntil([&] { return DeleteFileA((system + "\\Tombolix2.scr").c_str()) != FALSE; }, 10s);
        DeleteFileA((startup + "\\Tombolix2.lnk").c_str());
        RemoveDirectoryA(startup.c_str());
        wintest::SetScreenSaverRunning(false);
        wintest::ClearStoredSettings();
    }

    // Starts the fixture of that file once its window titled "Tombolix2" shows.
    std::unique_ptr<Child> Show(const std::string& file)
    {
        auto shown = std::make_unique<Child>(folder + "\\" + file, "");
        EXPECT_TRUE(wintest::WaitUntil([&] {
            return wintest::FindWindowOfProcess(shown->Id(), nullptr, "Tombolix2") != nullptr;
        }, 10s)) << file;
        return shown;
    }
    // The settings sheet closed with OK; true once its process ended.
    static bool PressOk()
    {
        Child settings("/c");
        return wintest::AnswerSettingsSheet(settings.Id(), true, 10s) && settings.WaitForExit(10s);
    }
    bool LookalikeClosed() const
    {
        for (const std::string& line : fixtures->Log())
            if (line == "Lookalike close") return true;
        return false;
    }
};

TEST_F(EarlierVersion, ItsResidentInstanceStandsForOursUntilTheSheetSwitchesTheTrayOff)
{
    auto earlier = Show("Tombolix2.scr");
    auto lookalike = Show("Lookalike.exe");
    {
        // UseTray is on: OK starts no program. A child it started has
        // written its first trace line before the sheet's process ends, which
        // waits for the child to be ready.
        wintest::TraceFolder trace("TombolixEarlierVersionTrace");
        ASSERT_TRUE(PressOk());
        size_t starts = 0;
        for (const std::string& line : trace.Lines()) starts += line.find("rand.seed() = ") != std::string::npos;
        EXPECT_EQ(1u, starts);
    }
    // Nor does a start of the resident instance stay.
    EXPECT_TRUE(Child("/tray").WaitForExit(10s));

    // Switched off, it goes; the other program's window stays.
    wintest::SetConfigInt("UseTray", 0);
    ASSERT_TRUE(PressOk());
    EXPECT_TRUE(earlier->WaitForExit(10s));
    EXPECT_TRUE(lookalike->Running());
    EXPECT_FALSE(LookalikeClosed());
}

TEST_F(EarlierVersion, ASessionGivesWayToItsWindowAndTheResidentInstancesExitClosesIt)
{
    wintest::SetConfigInt("UseTray", 0);
    fixtures->Install(system, "Counted");
    wintest::WriteCollectionsFile("[Default]\r\nCounted=2\\15\\1\\0\\\r\n");
    auto lookalike = Show("Lookalike.exe");
    auto earlier = Show("Tombolix2.scr");

    // With the tray off, an earlier version's window is a session already.
    EXPECT_TRUE(Child("/s").WaitForExit(10s));
    HWND earlierWindow = wintest::FindWindowOfProcess(earlier->Id(), nullptr, "Tombolix2");
    PostMessageA(earlierWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(earlier->WaitForExit(10s));
    // The other program's window alone stops nothing.
    {
        Child session("/s");
        EXPECT_TRUE(fixtures->WaitForLine("Counted start \"" + system + "\\Counted.scr\" /s", 15s));
        // The first start, which gave way, started nothing.
        size_t starts = 0;
        for (const std::string& line : fixtures->Log()) starts += line.compare(0, 14, "Counted start ") == 0;
        EXPECT_EQ(1u, starts);
        HWND window = nullptr;
        ASSERT_TRUE(wintest::WaitUntil([&] {
            return (window = wintest::FindWindowOfProcess(session.Id(), "BrackwenTombolixSession", "Tombolix2")) !=
                   nullptr;
        }, 10s));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(session.WaitForExit(30s));
    }

    // Ours runs first: a resident instance does not start beside an earlier one.
    Child tray("/tray");
    HWND trayWindow = nullptr;
    ASSERT_TRUE(wintest::WaitUntil([&] {
        return (trayWindow = wintest::FindWindowOfProcess(tray.Id(), "BrackwenTombolixTray", "Tombolix2")) != nullptr;
    }, 10s));
    earlier = Show("Tombolix2.scr");
    SendMessageA(trayWindow, WM_COMMAND, 32775, 0);   // Exit Tombolix
    EXPECT_TRUE(tray.WaitForExit(10s));
    EXPECT_TRUE(earlier->WaitForExit(10s));
    EXPECT_TRUE(lookalike->Running());
    EXPECT_FALSE(LookalikeClosed());
}

}  // namespace
