// Starting screen savers and writing the trace, against the real system.
#include "os/Trace.h"
#include "collections/Launcher.h"
#include "os/KillOnCloseJob.h"
#include "session/Win32SessionHost.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(Launch, ReportsTheChildOrNothing)
{
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::WindowsFolder(), "Closer");
    StartedScreenSaver none = LaunchScreenSaver({"C:\\Nowhere"}, "NoSuchSaver", "/s", IDLE_PRIORITY_CLASS);
    EXPECT_EQ(LaunchOutcome::NotStarted, none.outcome);
    EXPECT_FALSE(none.process);
    EXPECT_EQ(0u, none.processId);
    EXPECT_EQ("", none.path);
    // ".scr" is appended even to a name that has it.
    EXPECT_EQ(LaunchOutcome::NotFound, LaunchScreenSaver({}, "Closer.scr", "/s", IDLE_PRIORITY_CLASS).outcome);

    StartedScreenSaver started = LaunchScreenSaver({}, "Closer", "/c", NORMAL_PRIORITY_CLASS);
    ASSERT_EQ(LaunchOutcome::Started, started.outcome);
    EXPECT_EQ(wintest::WindowsFolder() + "\\Closer.scr", started.path);
    EXPECT_NE(0u, started.processId);
    EXPECT_EQ(started.processId, GetProcessId(started.process.get()));
    EXPECT_EQ(static_cast<DWORD>(NORMAL_PRIORITY_CLASS), GetPriorityClass(started.process.get()));
    EXPECT_TRUE(fixtures.WaitForLine("Closer start \"" + wintest::WindowsFolder() + "\\Closer.scr\" /c", seconds(5)));
    TerminateProcess(started.process.get(), 0);
}

TEST(Launch, OnlyAFileInNoReachableFolderIsNotFound)
{
    wintest::Fixtures fixtures;
    const std::string empty = "C:\\TombolixEmptyFolder";
    CreateDirectoryA(empty.c_str(), nullptr);
    // Every folder readable, none holds it; with or without a trailing backslash.
    EXPECT_EQ(LaunchOutcome::NotFound, LaunchScreenSaver({empty, empty + "\\"}, "Absent", "/s", IDLE_PRIORITY_CLASS).outcome);
    // A folder that is not there now may be a drive that is offline.
    EXPECT_EQ(LaunchOutcome::NotStarted, LaunchScreenSaver({empty, "C:\\TombolixOffline"}, "Absent", "/s",
                                                           IDLE_PRIORITY_CLASS).outcome);
    // A file that is there but will not start is not gone.
    wintest::WriteFileBytes(empty + "\\Broken.scr", "not a program");
    EXPECT_EQ(LaunchOutcome::NotStarted,
              LaunchScreenSaver({empty}, "Broken", "/s", IDLE_PRIORITY_CLASS).outcome);
    DeleteFileA((empty + "\\Broken.scr").c_str());

    // Paths beyond the limit are never handed to process creation.
    EXPECT_EQ(LaunchOutcome::NotFound,
              LaunchScreenSaver({empty}, std::string(2000, 'n'), "/s", IDLE_PRIORITY_CLASS).outcome);
    EXPECT_EQ(LaunchOutcome::NotStarted, LaunchScreenSaver({"C:\\" + std::string(3000, 'f')}, "Absent", "/s",
                                                           IDLE_PRIORITY_CLASS).outcome);
    RemoveDirectoryA(empty.c_str());
}

TEST(Launch, KeepsNoHandleOfAChildNobodyAskedFor)
{
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::SystemFolder(), "EndsItself");
    // The handle closes with the result, here at once.
    const DWORD processId = LaunchScreenSaver({}, "EndsItself", "/s", IDLE_PRIORITY_CLASS).processId;
    ASSERT_NE(0u, processId);
    // An ended process can still be opened while anyone holds a handle to it.
    EXPECT_TRUE(wintest::WaitUntil([&] {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
        if (process) CloseHandle(process);
        return process == nullptr;
    }, seconds(10)));
}

// The first child starts before the session's window exists: the timer it
// asks for runs once the window comes, unless it was stopped meanwhile.
TEST(SessionHost, ATimerAskedForBeforeTheWindowRunsOnItOnceItComes)
{
    const std::vector<std::string> noFolders;
    auto ticks = [&](bool stopBeforeTheWindow, milliseconds within) {
        CWin32SessionHost host(noFolders, false, {});
        host.StartTimer();
        if (stopBeforeTheWindow) host.StopTimer();
        HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        host.AttachWindow(window);
        MSG msg;
        bool ticked = wintest::WaitUntil([&] { return PeekMessageA(&msg, window, WM_TIMER, WM_TIMER, PM_REMOVE) != 0; },
                                         within, milliseconds(10));
        host.StopTimer();
        DestroyWindow(window);
        return ticked;
    };
    EXPECT_TRUE(ticks(false, seconds(3)));
    EXPECT_FALSE(ticks(true, milliseconds(1500)));
}

TEST(Launch, WaitsAtMostFiveSecondsForAChildThatNeverBecomesIdle)
{
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::SystemFolder(), "Busy");
    auto begin = steady_clock::now();
    EXPECT_EQ(LaunchOutcome::Started, LaunchScreenSaver({}, "Busy", "/s", IDLE_PRIORITY_CLASS).outcome);
    auto waited = steady_clock::now() - begin;
    EXPECT_GE(waited, milliseconds(4900));
    EXPECT_LT(waited, milliseconds(6900));
}

// A hosted screen saver joins the job before it runs, and ends when the
// job's last handle closes, as when its host is ended by force.
TEST(Launch, AChildGivenAJobRunsInItAndEndsWithItsLastHandle)
{
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::SystemFolder(), "Deaf");
    HANDLE process = nullptr;
    {
        CKillOnCloseJob job;
        ASSERT_TRUE(job.Get());
        StartedScreenSaver started = LaunchScreenSaver({}, "Deaf", "/s", IDLE_PRIORITY_CLASS, job.Get());
        ASSERT_EQ(LaunchOutcome::Started, started.outcome);
        process = started.process.release();
        BOOL inJob = FALSE;
        EXPECT_TRUE(IsProcessInJob(process, job.Get(), &inJob));
        EXPECT_TRUE(inJob);
        EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(process, 0));
    }
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(process, 10000));
    CloseHandle(process);
}

// The trace reads the C library's copy of the environment.
void SetTraceFolder(const std::string& folder)
{
    _putenv_s("BRACTEMP", folder.c_str());
}

struct Trace : ::testing::Test {
    std::string folder;
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "TombolixTraceTest";
        CreateDirectoryA(folder.c_str(), nullptr);
        DeleteFileA((folder + "\\trace.txt").c_str());
        SetTraceFolder(folder);
    }
    void TearDown() override
    {
        SetTraceFolder("");
        DeleteFileA((folder + "\\trace.txt").c_str());
        RemoveDirectoryA(folder.c_str());
    }
    // The lines of the trace file without their millisecond prefix.
    std::vector<std::string> Messages()
    {
        std::string text = wintest::ReadFileBytes(folder + "\\trace.txt");
        std::vector<std::string> messages;
        for (size_t at = 0; at < text.size();) {
            size_t end = text.find("\r\n", at);
            std::string line = text.substr(at, end - at);
            EXPECT_EQ(": ", line.substr(10, 2));
            EXPECT_NE(std::string::npos, line.find_first_of("0123456789"));
            messages.push_back(line.substr(12));
            at = end + 2;
        }
        return messages;
    }
};

TEST_F(Trace, AppendsFormattedLinesAndRefusesOverlongFormats)
{
    EXPECT_EQ(folder + "\\trace.txt", TraceFilePath());
    TraceWrite("first %d %s", 7, "x");
    TraceWrite(std::string(1024, 'f').c_str());
    TraceWrite(std::string(1023, 'g').c_str());
    TraceWrite("%s", std::string(5000, 'h').c_str());   // expands past the buffer
    auto messages = Messages();
    ASSERT_EQ(4u, messages.size());
    EXPECT_EQ("first 7 x", messages[0]);
    EXPECT_EQ("Trace string too long", messages[1]);
    EXPECT_EQ(std::string(1023, 'g'), messages[2]);
    EXPECT_EQ(std::string(1023, 'h'), messages[3]);
}

TEST_F(Trace, WritesNothingWhenTheFolderIsLongerThanAPath)
{
    // Cut to the limit, the path would name a file inside the test's folder.
    SetTraceFolder(folder + "\\" + std::string(400, 'd'));
    EXPECT_EQ(255u, TraceFilePath().size());
    TraceWrite("nowhere to go");
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\d*").c_str(), &data);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << data.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    SetTraceFolder("");
    EXPECT_EQ(std::string(getenv("TEMP")) + "\\trace.txt", TraceFilePath());
}

}  // namespace
