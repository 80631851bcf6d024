// Starting screen savers and writing the trace, against the real system.
#include "app/Trace.h"
#include "session/Launcher.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(Launch, ReportsTheChildOrNothing)
{
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::WindowsFolder(), "Closer");
    HANDLE process = reinterpret_cast<HANDLE>(1);
    DWORD processId = 1;
    EXPECT_FALSE(LaunchScreenSaver({"C:\\Nowhere"}, "NoSuchSaver", "/s", IDLE_PRIORITY_CLASS, &process, &processId));
    EXPECT_EQ(nullptr, process);
    EXPECT_EQ(0u, processId);
    // ".scr" is appended even to a name that has it.
    EXPECT_FALSE(LaunchScreenSaver({}, "Closer.scr", "/s", IDLE_PRIORITY_CLASS, &process, &processId));

    ASSERT_TRUE(LaunchScreenSaver({}, "Closer", "/c", NORMAL_PRIORITY_CLASS, &process, &processId));
    EXPECT_NE(0u, processId);
    EXPECT_EQ(processId, GetProcessId(process));
    EXPECT_EQ(static_cast<DWORD>(NORMAL_PRIORITY_CLASS), GetPriorityClass(process));
    EXPECT_TRUE(fixtures.WaitForLine("Closer start \"" + wintest::WindowsFolder() + "\\Closer.scr\" /c", seconds(5)));
    TerminateProcess(process, 0);
    CloseHandle(process);
}

TEST(Launch, WaitsAtMostFiveSecondsForAChildThatNeverBecomesIdle)
{
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::SystemFolder(), "Busy");
    auto begin = steady_clock::now();
    EXPECT_TRUE(LaunchScreenSaver({}, "Busy", "/s", IDLE_PRIORITY_CLASS, nullptr, nullptr));
    auto waited = steady_clock::now() - begin;
    EXPECT_GE(waited, milliseconds(4900));
    EXPECT_LT(waited, milliseconds(6900));
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

TEST_F(Trace, SurvivesAFolderLongerThanAPath)
{
    SetTraceFolder(std::string(400, 'd'));
    EXPECT_EQ(255u, TraceFilePath().size());
    TraceWrite("nowhere to go");
    SetTraceFolder("");
    EXPECT_EQ(std::string(getenv("TEMP")) + "\\trace.txt", TraceFilePath());
}

}  // namespace
