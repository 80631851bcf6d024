// How the real program starts in each mode and how its instances coexist.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;
using wintest::Child;

struct StartUp : ::testing::Test {
    void SetUp() override
    {
        wintest::ClearStoredSettings();
        wintest::SetScreenSaverRunning(false);
    }
    void TearDown() override
    {
        wintest::ClearStoredSettings();
        wintest::SetScreenSaverRunning(false);
    }
};

TEST_F(StartUp, ChangePasswordShowsTheNoteAndEnds)
{
    Child program("/a");
    ASSERT_TRUE(program.Started());
    EXPECT_EQ("Tombolix lets the running screensaver handle the password protection.\n\n"
              "So if passwords are being used, Tombolix will just select a screensaver to run based on your "
              "frequencies, and not interrupt it. i.e. the duration is ignored.",
              wintest::AnswerMessageBox(program.Id(), "Note", 10s));
    EXPECT_TRUE(program.WaitForExit(10s));
}

// The first start of the 64-bit program after the 32-bit one: the copy
// comes in before the session reads the folders, beside whatever the shared
// file holds, and only once.
TEST_F(StartUp, TakesTheCollectionsThatTheVirtualStoreKeptForThe32BitProgramOnceAndFirst)
{
#ifndef _WIN64
    GTEST_SKIP() << "the 32-bit program: its own writes are what the VirtualStore keeps";
#endif
    wintest::Fixtures fixtures;
    wintest::SetConfigInt("UseTray", 0);
    const std::string extra = "C:\\TombolixVirtualStoreExtra";
    CreateDirectoryA(extra.c_str(), nullptr);
    fixtures.Install(extra, "Deep");
    const std::string copy = wintest::VirtualStoreFolder() + "\\Tombolix2.ini";
    const std::string kept = "[Default]\r\nDeep=2\\0\\1\\0\\\r\n[TombolixInternal]\r\nFolders=" + extra + "*\r\n";
    // Saved by a text editor in UTF-16: read as Windows reads it.
    std::string utf16 = "\xFF\xFE";
    for (char c : kept) utf16 += std::string{c, '\0'};
    wintest::WriteFileBytes(copy, utf16);
    const std::string shared = wintest::WindowsFolder() + "\\Tombolix2.ini";
    wintest::WriteCollectionsFile("; made by the setup");

    {
        Child session("/s");
        EXPECT_TRUE(wintest::WaitUntil([&] {
            for (const std::string& line : fixtures.Log())
                if (line.compare(0, 11, "Deep start ") == 0) return true;
            return false;
        }, 15s));
        HWND window = nullptr;
        ASSERT_TRUE(wintest::WaitUntil([&] {
            return (window = wintest::FindWindowOfProcess(session.Id(), nullptr, "Tombolix2")) != nullptr;
        }, 10s));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(session.WaitForExit(30s));
    }
    EXPECT_EQ("; made by the setup\r\n" + kept, wintest::ReadFileBytes(shared));

    // Once the user's own file has lost its collections, the copy stays out.
    wintest::WriteCollectionsFile("");
    EXPECT_TRUE(wintest::RunStartBesideASession(10s));
    EXPECT_EQ("", wintest::ReadFileBytes(shared));
    DeleteFileA(copy.c_str());
    fixtures.Uninstall(extra, "Deep");
    RemoveDirectoryA(extra.c_str());
}

TEST_F(StartUp, PreviewEndsAtOnceWithoutAWindow)
{
    Child program("/p 1234");
    ASSERT_TRUE(program.Started());
    bool sawWindow = false;
    bool ended = wintest::WaitUntil([&] {
        sawWindow = sawWindow || !wintest::WindowsOfProcess(program.Id()).empty();
        return !program.Running();
    }, 10s);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(sawWindow);
    EXPECT_EQ(0u, program.ExitCode());
}

TEST_F(StartUp, ASecondTrayInstanceEndsAndLeavesTheFirstRunning)
{
    Child first("/tray");
    ASSERT_TRUE(wintest::WaitUntil([&] {
        return wintest::FindWindowOfProcess(first.Id(), nullptr, "Tombolix2") != nullptr;
    }, 10s));
    HWND firstWindow = wintest::FindWindowOfProcess(first.Id(), nullptr, "Tombolix2");
    // The tray window hides itself at its first paint.
    EXPECT_TRUE(wintest::WaitUntil([&] { return !IsWindowVisible(firstWindow); }, 5s));

    Child second("-TRAY");
    EXPECT_TRUE(second.WaitForExit(10s));
    EXPECT_TRUE(wintest::FindWindowOfProcess(second.Id(), nullptr, "Tombolix2") == nullptr);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(firstWindow));

    PostMessageA(firstWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(10s));
}

TEST_F(StartUp, AScreenSaverStartEndsWhenASessionWindowAlreadyShowsAndLeavesTheRunningStateAlone)
{
    wintest::SetConfigInt("UseTray", 0);
    // Another session shows its window and has told Windows that it runs.
    WNDCLASSA session{};
    session.lpfnWndProc = DefWindowProcA;
    session.hInstance = GetModuleHandleA(nullptr);
    session.lpszClassName = "BrackwenTombolixSession";
    RegisterClassA(&session);
    HWND other = CreateWindowA("BrackwenTombolixSession", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, session.hInstance,
                               nullptr);
    ASSERT_TRUE(other);
    wintest::SetScreenSaverRunning(true);

    Child program("/s");
    EXPECT_TRUE(program.WaitForExit(10s));
    EXPECT_TRUE(wintest::ScreenSaverRunning());
    DestroyWindow(other);
    UnregisterClassA("BrackwenTombolixSession", session.hInstance);
}

TEST_F(StartUp, ASessionThatCannotStartAnythingClearsTheRunningStateItSet)
{
    wintest::SetConfigInt("UseTray", 0);
    Child program("/s");
    EXPECT_TRUE(program.WaitForExit(15s));
    EXPECT_FALSE(wintest::ScreenSaverRunning());
}

TEST_F(StartUp, ConfigurationShowsTheSheetAndCancelEndsTheProcess)
{
    Child program("/c:1234");
    ASSERT_TRUE(wintest::AnswerSettingsSheet(program.Id(), false, 10s));
    EXPECT_TRUE(program.WaitForExit(10s));
    // No tray instance was started on the way.
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Tombolix2"));
}

}  // namespace
