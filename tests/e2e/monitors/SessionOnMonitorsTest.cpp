// A session on two monitors: a screen saver of the collection in a black
// window of ours on each, started with the preview switch, and ended by the
// user's input, which the session watches itself. Where hosting cannot
// serve, one screen saver over the whole desktop, as with one monitor.
#include "DisplayAndInput.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

using namespace std::chrono_literals;
using wintest::Child;
using Lines = std::vector<std::string>;

struct SessionOnMonitors : ::testing::Test {
    wintest::Fixtures fixtures;
    const std::string system = wintest::SystemFolder();

    void SetUp() override
    {
        ASSERT_TRUE(wintest::WaitForNoSession(10s));
        wintest::ClearStoredSettings();
        wintest::SetConfigInt("UseTray", 0);
        // The pointer rests on the first monitor, away from where a test moves it.
        ASSERT_TRUE(wintest::XdoTool("mousemove 500 400"));
    }
    void TearDown() override
    {
        if (split) {
            EXPECT_TRUE(Split({1024}));
        }
        if (HWND session = FindWindowA("BrackwenTombolixSession", nullptr)) PostMessageA(session, WM_CLOSE, 0, 0);
        wintest::Fixtures::CloseAllWindows();
        wintest::ClearStoredSettings();
        wintest::SetScreenSaverRunning(false);
        wintest::WriteCollectionsFile("");
    }
    // Splits the 2048-pixel screen into monitors anew, each but the last as
    // wide as given, and has Wine read them again, as a monitor plugged in
    // would. The primary one keeps its size: the current display mode then
    // stays one that Wine can set again, which makes it read the monitors.
    bool Split(const std::vector<int>& widths)
    {
        split = widths.size() > 1;
        std::string arguments, wanted;
        int left = 0;
        for (size_t i = 0; i <= widths.size(); ++i) {
            const int right = i < widths.size() ? left + widths[i] : 2048;
            if (i < widths.size()) arguments += " " + std::to_string(widths[i]);
            wanted += (i ? " " : "") + std::to_string(left) + ",0-" + std::to_string(right) + ",768";
            left = right;
        }
        const char* splitter = getenv("TOMBOLIX_SPLIT_SCREEN");
        if (!splitter || !wintest::RunLinuxCommand(splitter + arguments, 20s)) return false;
        Child reapplier(wintest::ProgramFolder() + "\\DisplayModeReapplier.exe", "");
        if (!reapplier.WaitForExit(10s) || reapplier.ExitCode() != 0) return false;
        return wintest::WaitUntil([&] { return wintest::MonitorRectangles() == wanted; }, 20s);
    }

    bool split = false;

    // Cycling through "name=minutes" screen savers in this order, each in
    // the system folder but ofTheKind, which is installed as
    // Fixtures::InstallOfKind does; false when there is none of the kind.
    bool Collect(const Lines& entries, bool thirtyTwoBit = false, const std::string& ofTheKind = "")
    {
        std::string text = "[Default]\r\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string name = entries[i].substr(0, entries[i].find('='));
            if (name != ofTheKind)
                fixtures.Install(system, name);
            else if (!fixtures.InstallOfKind(thirtyTwoBit, name))
                return false;
            text += name + "=2\\" + entries[i].substr(name.size() + 1) + "\\1\\" + std::to_string(i) + "\\\r\n";
        }
        wintest::WriteCollectionsFile(text + "TombolixCycle=1\r\n");
        return true;
    }
    // The screen saver's window as its log line gives it: "<parent> <left>
    // <top> <right> <bottom>"; empty until it has one.
    std::string WindowLine(const std::string& name) const
    {
        for (const std::string& line : fixtures.Log())
            if (line.rfind(name + " window ", 0) == 0) return line.substr(name.size() + 8);
        return "";
    }
    HWND ShownWindow(const std::string& name) const
    {
        uintptr_t parent = 0;
        std::istringstream(WindowLine(name)) >> parent;
        return GetWindow(reinterpret_cast<HWND>(parent), GW_CHILD);
    }
    static std::string Area(const std::string& windowLine) { return windowLine.substr(windowLine.find(' ') + 1); }
    Lines StartSwitches() const
    {
        Lines switches;
        for (const std::string& line : fixtures.Log()) {
            size_t at = line.find("\" /");
            if (line.find(" start ") != std::string::npos && at != std::string::npos)
                switches.push_back(line.substr(0, line.find(' ')) + " " + line.substr(at + 2, 2));
        }
        return switches;
    }
};

TEST_F(SessionOnMonitors, EachMonitorShowsItsOwnScreenSaverInABlackWindowOverItUntilTheMouseMoves)
{
    Collect({"Left=15", "Right=15", "Third=15"});
    Child program("/s");
    ASSERT_TRUE(wintest::WaitUntil([&] { return !WindowLine("Left").empty() && !WindowLine("Right").empty(); }, 20s));
    EXPECT_EQ("0 0 1024 768", Area(WindowLine("Left")));
    EXPECT_EQ("1024 0 2048 768", Area(WindowLine("Right")));
    Lines switches = StartSwitches();
    std::sort(switches.begin(), switches.end());
    EXPECT_EQ((Lines{"Left /p", "Right /p"}), switches);
    for (const char* name : {"Left", "Right"}) {
        HWND monitor = GetAncestor(ShownWindow(name), GA_ROOT);
        char className[64] = "";
        GetClassNameA(monitor, className, sizeof className);
        EXPECT_STREQ("BrackwenTombolixHost", className) << name;
        EXPECT_TRUE(GetWindowLongA(monitor, GWL_EXSTYLE) & WS_EX_TOPMOST) << name;
    }
    EXPECT_EQ("2", wintest::ReadProfileString("Tombolix2.ini", "Default", "TombolixNextToUse"));

    // A drift of a few pixels is no move; more ends everything.
    HWND left = ShownWindow("Left"), right = ShownWindow("Right");
    ASSERT_TRUE(wintest::XdoTool("mousemove 503 402"));
    EXPECT_FALSE(program.WaitForExit(1500ms));
    ASSERT_TRUE(wintest::XdoTool("mousemove 540 400"));
    EXPECT_TRUE(program.WaitForExit(15s));
    EXPECT_TRUE(wintest::WaitUntil([&] { return !IsWindow(left) && !IsWindow(right); }, 15s));
}

// The hosted ones run in a job that ends them, a 32-bit one as well.
struct SessionOnMonitorsOfKind : SessionOnMonitors, ::testing::WithParamInterface<bool> {};

TEST_P(SessionOnMonitorsOfKind, AClickOrAKeyEndsEveryProcessAtOnceWhateverTheScreenSaversDo)
{
    // Hangs stops answering once it shows; SlowEnd takes 3 s over its
    // window's end. Nothing focuses a window for the key: the session's
    // own window has the keyboard.
    ASSERT_TRUE(Collect({"Hangs=15", "SlowEnd=15"}, GetParam(), "Hangs"));
    const Lines files{"Hangs.scr", "SlowEnd.scr", "Tombolix2.scr"};
    for (const char* input : {"click 1", "key space"}) {
        fixtures.ClearLog();
        Child program("/s");
        ASSERT_TRUE(fixtures.WaitForLine("Hangs hang", 15s)) << input;
        ASSERT_TRUE(wintest::WaitUntil([&] { return ShownWindow("SlowEnd") != nullptr; }, 20s)) << input;
        char className[64] = "";
        GetClassNameA(GetAncestor(ShownWindow("Hangs"), GA_ROOT), className, sizeof className);
        EXPECT_STREQ("BrackwenTombolixHost", className) << input;
        EXPECT_EQ(1u, wintest::CountProcessesNamed({"Hangs.scr"})) << input;
        ASSERT_TRUE(wintest::XdoTool(input));
        const DWORD heard = GetTickCount();
        EXPECT_TRUE(wintest::WaitUntil([&] { return wintest::CountProcessesNamed(files) == 0; }, 20s)) << input;
        const DWORD tookMs = GetTickCount() - heard;
        // 250 ms on a quiet machine; a screen saver that held the session
        // would take 3 s, or for ever.
        EXPECT_LT(tookMs, 2000u) << input;
        std::printf("%s: every process ended %lu ms after the input\n", input, static_cast<unsigned long>(tookMs));
        EXPECT_FALSE(fixtures.WaitForLine("SlowEnd end", 0ms)) << input;
    }
}

INSTANTIATE_TEST_SUITE_P(SessionOnMonitors, SessionOnMonitorsOfKind, ::testing::ValuesIn(wintest::ScreenSaverKinds()),
                         [](const auto& info) { return wintest::ScreenSaverKindName(info.param); });

TEST_F(SessionOnMonitors, OneThatStopsAnsweringIsEndedAtItsTurnWhileTheOtherMonitorGoesOn)
{
    Collect({"Hangs=0", "Steady=15", "Third=15"});
    Child program("/s");
    ASSERT_TRUE(fixtures.WaitForLine("Hangs hang", 15s));
    // Its turn ends at the first tick: asked to close, then ended; the
    // next one takes its monitor.
    ASSERT_TRUE(wintest::WaitUntil([&] { return ShownWindow("Third") != nullptr; }, 15s));
    EXPECT_EQ(0u, wintest::CountProcessesNamed({"Hangs.scr"}));
    EXPECT_TRUE(program.Running());
    ASSERT_TRUE(wintest::XdoTool("mousemove 540 400"));
    EXPECT_TRUE(program.WaitForExit(15s));
}

TEST_F(SessionOnMonitors, AScreenSaverThatIgnoresThePreviewSwitchRunsOverTheWholeDesktopFromThenOn)
{
    Collect({"NoPreview=15", "Right=15"});
    Child program("/s");
    // Ended at once, both, three seconds after their start.
    ASSERT_TRUE(wintest::WaitUntil([&] { return StartSwitches().size() == 3; }, 20s));
    // The two hosted ones start side by side and log in either order.
    Lines switches = StartSwitches();
    std::sort(switches.begin(), switches.begin() + 2);
    EXPECT_EQ((Lines{"NoPreview /p", "Right /p", "NoPreview /s"}), switches);
    EXPECT_EQ(0u, wintest::CountProcessesNamed({"Right.scr"}));
    EXPECT_EQ(1u, wintest::CountProcessesNamed({"NoPreview.scr"}));
    EXPECT_FALSE(FindWindowA("BrackwenTombolixHost", nullptr));
    EXPECT_TRUE(program.Running());
}

TEST_F(SessionOnMonitors, ThePasswordOrTheOptionOffGiveOneScreenSaverOverTheDesktop)
{
    for (const char* rule : {"password", "option off"}) {
        Collect({"Left=15", "Right=15"});
        fixtures.ClearLog();
        HKEY desktop;
        RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop);
        if (std::string(rule) == "password")
            RegSetValueExA(desktop, "ScreenSaveUsePassword", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
        else
            wintest::SetConfigInt("SaverPerMonitor", 0);
        {
            Child program("/s");
            ASSERT_TRUE(wintest::WaitUntil([&] { return !WindowLine("Left").empty(); }, 20s)) << rule;
            EXPECT_EQ((Lines{"Left /s"}), StartSwitches()) << rule;
            EXPECT_EQ("0 0 0 1024 768", WindowLine("Left")) << rule;
            EXPECT_FALSE(FindWindowA("BrackwenTombolixHost", nullptr)) << rule;
            // The next start finds no session still going.
            HWND sessionWindow = nullptr;
            EXPECT_TRUE(wintest::WaitUntil([&] {
                return (sessionWindow = wintest::FindWindowOfProcess(program.Id(), "BrackwenTombolixSession", nullptr));
            }, 15s)) << rule;
            PostMessageA(sessionWindow, WM_CLOSE, 0, 0);
            EXPECT_TRUE(program.WaitForExit(15s)) << rule;
        }
        RegDeleteValueA(desktop, "ScreenSaveUsePassword");
        RegCloseKey(desktop);
        wintest::Fixtures::CloseAllWindows();
        wintest::WaitUntil([] { return !FindWindowA("TombolixFixture", nullptr); }, 15s);
    }
}

TEST_F(SessionOnMonitors, MonitorsSplitAnewDuringTheSessionAreEachCoveredAnew)
{
    Collect({"Left=15", "Right=15", "Third=15", "Fourth=15", "Fifth=15"});
    Child program("/s");
    ASSERT_TRUE(wintest::WaitUntil([&] { return !WindowLine("Right").empty(); }, 20s));
    ASSERT_TRUE(Split({1024, 512}));
    // The three start side by side and log in any order.
    ASSERT_TRUE(wintest::WaitUntil([&] {
        return !WindowLine("Third").empty() && !WindowLine("Fourth").empty() && !WindowLine("Fifth").empty();
    }, 20s));
    EXPECT_EQ("0 0 1024 768", Area(WindowLine("Third")));
    EXPECT_EQ("1024 0 1536 768", Area(WindowLine("Fourth")));
    EXPECT_EQ("1536 0 2048 768", Area(WindowLine("Fifth")));
    EXPECT_TRUE(wintest::WaitUntil([] { return wintest::CountProcessesNamed({"Left.scr", "Right.scr"}) == 0; }, 15s));
    // A move over the part that was the second monitor's end and is now the third's.
    ASSERT_TRUE(wintest::XdoTool("mousemove 1800 400"));
    EXPECT_TRUE(program.WaitForExit(15s));
}

}  // namespace
