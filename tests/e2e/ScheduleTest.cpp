// Collections that follow the clock in the real program: the session and
// the preview take the collection of the rule that holds at the local time
// of Windows, and the one of the Collections page when none holds or the
// schedule is not followed.
#include "DisplayAndInput.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using wintest::Child;
using Lines = std::vector<std::string>;

struct Schedule : ::testing::Test {
    wintest::Fixtures fixtures;
    const std::string system = wintest::SystemFolder();
    std::string traceFolder;

    void SetUp() override
    {
        ASSERT_TRUE(wintest::WaitForNoSession(10s));
        wintest::ClearStoredSettings();
        wintest::SetConfigInt("UseTray", 0);
        for (const char* name : {"RuleEndsItself", "DefaultEndsItself"}) fixtures.Install(system, name);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        traceFolder = std::string(temp) + "TombolixScheduleTrace";
        CreateDirectoryA(traceFolder.c_str(), nullptr);
        SetEnvironmentVariableA("PO", "1");
        SetEnvironmentVariableA("BRACTEMP", traceFolder.c_str());
        // Each screen saver ends by itself, and with it the session.
        SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LIFETIME", "500");
    }
    void TearDown() override
    {
        for (const char* name : {"PO", "BRACTEMP", "TOMBOLIX_FIXTURE_LIFETIME"}) SetEnvironmentVariableA(name, nullptr);
        DeleteFileA((traceFolder + "\\trace.txt").c_str());
        RemoveDirectoryA(traceFolder.c_str());
        wintest::ClearStoredSettings();
        wintest::WriteCollectionsFile("");
    }
    // The two collections and the one rule given; the schedule followed or not.
    static void Store(const std::string& rule, bool follow)
    {
        wintest::WriteCollectionsFile("[Default]\r\nDefaultEndsItself=2\\15\\1\\0\\\r\n[Evening]\r\nRuleEndsItself=2\\15\\1\\0\\\r\n"
                                      "[TombolixInternal]\r\nScheduleRule1=" + rule + "\r\n");
        wintest::SetConfigInt("FollowSchedule", follow ? 1 : 0);
    }
    // Runs a session to its end: the screen saver it started, and the
    // schedule's line of the trace ("" when there is none).
    std::string RunSession(std::string& scheduleLine)
    {
        DeleteFileA((traceFolder + "\\trace.txt").c_str());
        const size_t before = fixtures.Log().size();
        Child program("/s");
        EXPECT_TRUE(program.WaitForExit(20s));
        scheduleLine.clear();
        const std::string trace = wintest::ReadFileBytes(traceFolder + "\\trace.txt");
        const size_t at = trace.find(".\\Session : schedule: ");
        if (at != std::string::npos)
            scheduleLine = trace.substr(at + 12, trace.find("\r\n", at) - at - 12);
        const Lines log = fixtures.Log();
        for (size_t i = before; i < log.size(); ++i)
            if (log[i].find(" start ") != std::string::npos) return log[i].substr(0, log[i].find(' '));
        return "";
    }
    int StartsOf(const std::string& name) const
    {
        int starts = 0;
        for (const std::string& line : fixtures.Log()) starts += line.rfind(name + " start ", 0) == 0;
        return starts;
    }
    // The day of the week, 0 for Sunday, as Windows gives it now.
    static int Today()
    {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now.wDayOfWeek;
    }
};

TEST_F(Schedule, ASessionTakesTheCollectionOfTheRuleThatHoldsNow)
{
    // The whole of every day.
    Store("127,0,0,Evening", true);
    std::string line;
    EXPECT_EQ("RuleEndsItself", RunSession(line));
    ASSERT_EQ(std::string("schedule: Evening from "), line.substr(0, 23)) << line;
    EXPECT_EQ(" (rule 1)", line.substr(line.size() - 9)) << line;
    EXPECT_EQ(':', line[25]);   // "hh:mm"

    // The whole of a day three days away: no rule holds now, or at
    // midnight during the test.
    Store(std::to_string(1 << (Today() + 3) % 7) + ",0,0,Evening", true);
    EXPECT_EQ("DefaultEndsItself", RunSession(line));
    EXPECT_EQ(" (no rule holds)", line.substr(line.size() - 16)) << line;
    EXPECT_EQ(std::string("schedule: Default from "), line.substr(0, 23)) << line;

    // Not followed: the rules change nothing, and nothing is traced of them.
    Store("127,0,0,Evening", false);
    EXPECT_EQ("DefaultEndsItself", RunSession(line));
    EXPECT_EQ("", line);
}

TEST_F(Schedule, ThePreviewPlaysTheCollectionInEffect)
{
    SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LIFETIME", nullptr);
    Store("127,0,0,Evening", true);
    HWND picture = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 152, 112, nullptr, nullptr,
                                   nullptr, nullptr);
    Child preview("/p " + std::to_string(reinterpret_cast<uintptr_t>(picture)));
    EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return StartsOf("RuleEndsItself") > 0; }, 10s));
    DestroyWindow(picture);
    EXPECT_TRUE(preview.WaitForExit(10s));
    EXPECT_EQ(0, StartsOf("DefaultEndsItself"));
}

}  // namespace
