// The real program running sessions with the test screen savers.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

using namespace std::chrono_literals;
using wintest::Child;
using Lines = std::vector<std::string>;

struct Session : ::testing::Test {
    wintest::Fixtures fixtures;
    std::string system = wintest::SystemFolder();
    std::string windows = wintest::WindowsFolder();

    void SetUp() override
    {
        ASSERT_TRUE(wintest::WaitForNoSession(10s));
        wintest::ClearStoredSettings();
        wintest::SetConfigInt("UseTray", 0);
    }
    void TearDown() override
    {
        if (HWND session = FindWindowA(nullptr, "Tombolix2")) PostMessageA(session, WM_CLOSE, 0, 0);
        wintest::ClearStoredSettings();
        wintest::SetScreenSaverRunning(false);
        SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LIFETIME", nullptr);
    }

    // The log lines that mark a fixture's start, without its command line.
    Lines Starts() const
    {
        Lines starts;
        for (const std::string& line : fixtures.Log()) {
            size_t at = line.find(" start ");
            if (at != std::string::npos) starts.push_back(line.substr(0, at));
        }
        return starts;
    }
    bool WaitForStarts(size_t count, std::chrono::milliseconds timeout)
    {
        return wintest::WaitUntil([&] { return Starts().size() >= count; }, timeout);
    }
    // The command line that the fixture was started with.
    std::string StartedAs(const std::string& name) const
    {
        for (const std::string& line : fixtures.Log())
            if (line.compare(0, name.size() + 7, name + " start ") == 0) return line.substr(name.size() + 7);
        return "";
    }
};

// 64-bit Windows: both system folders are searched, the native one first,
// and the 32-bit screen saver there takes its turn between the 64-bit ones.
// 32-bit Windows: the system folder, then the Windows folder.
TEST_F(Session, ACycleRunsItsScreenSaversInOrder)
{
    const std::string wow64 = wintest::IsWindows64() ? wintest::SystemWow64Folder() : wintest::WindowsFolder();
    for (const char* name : {"CycleA", "CycleC"}) fixtures.Install(system, name);
    fixtures.Install(wow64, "CycleA");
    if (!fixtures.Install32(wow64, "CycleB")) fixtures.Install(wow64, "CycleB");
    wintest::WriteCollectionsFile("[Default]\r\nCycleA=2\\0\\1\\0\\\r\nCycleB=2\\0\\1\\1\\\r\nCycleC=2\\0\\1\\2\\\r\n"
                                  "TombolixCycle=1\r\nTombolixNextToUse=0\r\n");
    Child program("/s");
    ASSERT_TRUE(WaitForStarts(4, 30s)) << Starts().size();
    Lines starts = Starts();
    EXPECT_EQ((Lines{"CycleA", "CycleB", "CycleC", "CycleA"}), Lines(starts.begin(), starts.begin() + 4));
    EXPECT_TRUE(fixtures.WaitForLine("CycleC close", 1s));
    EXPECT_EQ("1", wintest::ReadProfileString("Tombolix2.ini", "Default", "TombolixNextToUse"));
    EXPECT_EQ("\"" + system + "\\CycleA.scr\" /s", StartedAs("CycleA"));
    EXPECT_EQ("\"" + wow64 + "\\CycleB.scr\" /s", StartedAs("CycleB"));
    EXPECT_TRUE(program.Running());
}

TEST_F(Session, AScreenSaverThatCannotBeStartedLeavesTheCollection)
{
    wintest::WriteCollectionsFile("[Default]\r\nNoSuchSaver=2\\15\\1\\0\\\r\nOther=2\\15\\0\\1\\\r\n");
    Child program("/s");
    EXPECT_TRUE(program.WaitForExit(10s));
    EXPECT_EQ("(missing)", wintest::ReadProfileString("Tombolix2.ini", "Default", "NoSuchSaver"));
    EXPECT_EQ("2\\15\\0\\1\\", wintest::ReadProfileString("Tombolix2.ini", "Default", "Other"));
}

TEST_F(Session, EndsWhenItsScreenSaverEndsByItself)
{
    fixtures.Install(system, "EndsItself");
    SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LIFETIME", "1500");
    wintest::WriteCollectionsFile("[Default]\r\nEndsItself=2\\15\\1\\0\\\r\n");
    Child program("/s");
    ASSERT_TRUE(fixtures.WaitForLine("EndsItself end", 15s));
    auto childEnd = std::chrono::steady_clock::now();
    EXPECT_TRUE(program.WaitForExit(5s));
    EXPECT_LT(std::chrono::steady_clock::now() - childEnd, 2500ms);
    EXPECT_EQ(Lines{"EndsItself"}, Starts());
}

TEST_F(Session, WithTheDesktopPasswordTheFirstScreenSaverRunsOn)
{
    HKEY desktop;
    RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop);
    RegSetValueExA(desktop, "ScreenSaveUsePassword", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    fixtures.Install(system, "Guarded");
    fixtures.Install(system, "Other");
    wintest::WriteCollectionsFile("[Default]\r\nGuarded=2\\0\\1\\0\\\r\nOther=2\\0\\1\\1\\\r\nTombolixCycle=1\r\n");

    Child program("/s");
    ASSERT_TRUE(fixtures.WaitForLine("Guarded start \"" + system + "\\Guarded.scr\" /s", 10s));
    std::this_thread::sleep_for(4s);
    EXPECT_EQ(Lines{"Guarded"}, Starts());
    EXPECT_FALSE(fixtures.WaitForLine("Guarded close", 0ms));
    EXPECT_TRUE(program.Running());

    // The session window refuses the system's close command, not WM_CLOSE;
    // its screen saver stays.
    HWND session = wintest::FindWindowOfProcess(program.Id(), nullptr, "Tombolix2");
    SendMessageA(session, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(program.WaitForExit(1s));
    PostMessageA(session, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10s));
    EXPECT_FALSE(fixtures.WaitForLine("Guarded close", 0ms));

    RegDeleteValueA(desktop, "ScreenSaveUsePassword");
    RegCloseKey(desktop);
}

// The screen savers that a session interrupts: of the program's own kind in
// the system folder, or, on 64-bit Windows, 32-bit ones in SysWOW64.
struct Interruption : Session, ::testing::WithParamInterface<bool> {
    const std::string folder = wintest::ScreenSaverFolder(GetParam());

    bool Install(const std::string& name) { return fixtures.InstallOfKind(GetParam(), name); }
};

TEST_P(Interruption, AScreenSaverIgnoringTheCloseRequestGetsTheHomeKey)
{
    ASSERT_TRUE(Install("HomeOnly") && Install("AfterHome"));
    wintest::WriteCollectionsFile("[Default]\r\nHomeOnly=2\\0\\1\\0\\\r\nAfterHome=2\\15\\1\\1\\\r\n"
                                  "TombolixCycle=1\r\n");
    Child program("/s");
    ASSERT_TRUE(fixtures.WaitForLine("HomeOnly close", 10s));
    auto closed = std::chrono::steady_clock::now();
    ASSERT_TRUE(fixtures.WaitForLine("HomeOnly home", 20s));
    // Twelve one-second waits come first.
    EXPECT_GE(std::chrono::steady_clock::now() - closed, 11s);
    EXPECT_TRUE(fixtures.WaitForLine("AfterHome start \"" + folder + "\\AfterHome.scr\" /s", 10s));
    EXPECT_EQ((Lines{"HomeOnly", "AfterHome"}), Starts());
}

TEST_P(Interruption, AScreenSaverAbandonedOnceIsNotStartedAgain)
{
    wintest::TraceFolder trace("TombolixAbandonTrace");
    ASSERT_TRUE(Install("DeafOnce") && Install("Steady"));
    wintest::WriteCollectionsFile("[Default]\r\nDeafOnce=2\\0\\1\\0\\\r\nSteady=2\\0\\1\\1\\\r\n"
                                  "TombolixCycle=1\r\n");
    auto messages = [&] {
        Lines lines;
        for (const std::string& line : trace.Lines()) lines.push_back(line.substr(std::min<size_t>(12, line.size())));
        return lines;
    };
    auto count = [](const Lines& lines, const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
    const std::string abandoned = ".\\Session : abandoned DeafOnce: it still runs; not started again in this session";

    Child program("/s");
    ASSERT_TRUE(wintest::WaitUntil([&] { return count(messages(), abandoned) == 1; }, 60s)) << Starts().size();
    // Two more turns of the deaf one pass while Steady runs three times.
    ASSERT_TRUE(wintest::WaitUntil([&] { return count(Starts(), "Steady") >= 3; }, 60s));
    Lines starts = Starts();
    EXPECT_EQ(1, count(starts, "DeafOnce"));
    EXPECT_EQ((Lines{"DeafOnce", "Steady", "Steady", "Steady"}), Lines(starts.begin(), starts.begin() + 4));
    Lines traced = messages();
    EXPECT_EQ(1, count(traced, abandoned));
    EXPECT_EQ(1, count(traced, ".\\Session : start DeafOnce from " + folder + "\\DeafOnce.scr"));
    EXPECT_EQ((Lines{".\\Session : start DeafOnce from " + folder + "\\DeafOnce.scr", ".\\Session : close DeafOnce",
                     ".\\Session : Home key to DeafOnce", abandoned,
                     ".\\Session : start Steady from " + folder + "\\Steady.scr"}),
              Lines(traced.begin() + 1, traced.begin() + 6));
    // Each Steady went at the close request.
    EXPECT_TRUE(fixtures.WaitForLine("Steady end", 0ms));
    EXPECT_FALSE(fixtures.WaitForLine("Steady home", 0ms));
    // Left running, not ended by force.
    EXPECT_NE(nullptr, FindWindowA("TombolixFixture", "DeafOnce"));
    EXPECT_FALSE(fixtures.WaitForLine("DeafOnce end", 0ms));
    EXPECT_TRUE(program.Running());
    // The user's selection stays as stored.
    EXPECT_EQ("2\\0\\1\\0\\", wintest::ReadProfileString("Tombolix2.ini", "Default", "DeafOnce"));
}

INSTANTIATE_TEST_SUITE_P(Session, Interruption, ::testing::ValuesIn(wintest::ScreenSaverKinds()),
                         [](const auto& info) { return wintest::ScreenSaverKindName(info.param); });

TEST_F(Session, KeepsWatchingAScreenSaverWithoutAWindowUntilItEnds)
{
    fixtures.Install(system, "NoWindow");
    SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LIFETIME", "3000");
    wintest::WriteCollectionsFile("[Default]\r\nNoWindow=2\\0\\1\\0\\\r\n");
    Child program("/s");
    ASSERT_TRUE(fixtures.WaitForLine("NoWindow end", 15s));
    EXPECT_TRUE(program.WaitForExit(3s));
    EXPECT_EQ(Lines{"NoWindow"}, Starts());
}

TEST_F(Session, TheBlankerReplacesTheRotationForGood)
{
    fixtures.Install(system, "Rotating");
    fixtures.Install(windows, "MyBlanker");
    wintest::SetConfigInt("UseBlanker", 1);
    wintest::SetConfigInt("BlankerMinutes", 0);
    wintest::SetConfigString("BlankerName", "MyBlanker");
    wintest::WriteCollectionsFile("[Default]\r\nRotating=2\\0\\1\\0\\\r\n");

    Child program("/s");
    ASSERT_TRUE(WaitForStarts(2, 20s));
    EXPECT_EQ((Lines{"Rotating", "MyBlanker"}), Starts());
    EXPECT_TRUE(fixtures.WaitForLine("Rotating close", 0ms));
    std::this_thread::sleep_for(4s);
    EXPECT_EQ((Lines{"Rotating", "MyBlanker"}), Starts());
    EXPECT_FALSE(fixtures.WaitForLine("MyBlanker close", 0ms));
}

TEST_F(Session, LooksInTheSystemFolderThenTheWindowsFolderThenTheExtraFolders)
{
    const std::string extra = "C:\\TombolixExtra";
    CreateDirectoryA(extra.c_str(), nullptr);
    fixtures.Install(system, "Where");
    fixtures.Install(windows, "Where");
    fixtures.Install(extra, "Where");
    auto startedFrom = [&] {
        fixtures.ClearLog();
        wintest::WriteCollectionsFile("[Default]\r\nWhere=2\\15\\1\\0\\\r\n"
                                      "[TombolixInternal]\r\nFolders=C:\\Nowhere*" + extra + "\\*\r\n");
        Child program("/s");
        wintest::WaitUntil([&] { return !StartedAs("Where").empty(); }, 15s);
        std::string commandLine = StartedAs("Where");
        // The session's window comes just after its first child.
        HWND session = nullptr;
        wintest::WaitUntil([&] { return (session = FindWindowA(nullptr, "Tombolix2")) != nullptr; }, 5s);
        PostMessageA(session, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit(10s));
        wintest::Fixtures::CloseAllWindows();
        wintest::WaitUntil([] { return FindWindowA("TombolixFixture", nullptr) == nullptr; }, 5s);
        return commandLine;
    };

    EXPECT_EQ("\"" + system + "\\Where.scr\" /s", startedFrom());
    fixtures.Uninstall(system, "Where");
    EXPECT_EQ("\"" + windows + "\\Where.scr\" /s", startedFrom());
    fixtures.Uninstall(windows, "Where");
    // The extra folder as stored, trailing backslash and all.
    EXPECT_EQ("\"" + extra + "\\\\Where.scr\" /s", startedFrom());
    fixtures.Uninstall(extra, "Where");
    RemoveDirectoryA(extra.c_str());
}

TEST_F(Session, TracingWritesTheSeedAndEveryDecision)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "TombolixTrace";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string traceFile = folder + "\\trace.txt";
    wintest::WriteFileBytes(traceFile, "earlier line\r\n");
    SetEnvironmentVariableA("PO", "1");
    SetEnvironmentVariableA("BRACTEMP", folder.c_str());
    fixtures.Install(system, "TracedEndsItself");
    wintest::WriteCollectionsFile("[Default]\r\nTracedEndsItself=2\\15\\1\\0\\\r\n");

    Child program("/s /r42");
    EXPECT_TRUE(program.WaitForExit(15s));
    wintest::WriteCollectionsFile("");
    Child clockSeeded("/s");
    EXPECT_TRUE(clockSeeded.Started()) << clockSeeded.StartError();
    EXPECT_TRUE(clockSeeded.WaitForExit(10s));
    SetEnvironmentVariableA("PO", nullptr);
    Child untraced("/s /r43");
    EXPECT_TRUE(untraced.WaitForExit(10s));
    SetEnvironmentVariableA("BRACTEMP", nullptr);

    // Each line: ten characters of right-aligned milliseconds, ": ", the message.
    std::string text = wintest::ReadFileBytes(traceFile);
    ASSERT_EQ("earlier line\r\n", text.substr(0, 14));
    Lines prefixes, messages;
    for (size_t at = 14; at < text.size();) {
        size_t end = text.find("\r\n", at);
        ASSERT_NE(std::string::npos, end) << text;
        std::string line = text.substr(at, end - at);
        ASSERT_GE(line.size(), 12u) << line;
        EXPECT_EQ(": ", line.substr(10, 2));
        prefixes.push_back(line.substr(0, 10));
        messages.push_back(line.substr(12));
        at = end + 2;
    }
    ASSERT_EQ(5u, messages.size()) << text;
    // Each run's first line follows its stopwatch's start at once.
    EXPECT_EQ("         0", prefixes[0]);
    EXPECT_EQ("         0", prefixes[3]);
    EXPECT_EQ((Lines{".\\App line 62 : rand.seed() = 42",
                     ".\\Session : start TracedEndsItself from " + system + "\\TracedEndsItself.scr",
                     ".\\Session : end: TracedEndsItself ended by itself"}),
              Lines(messages.begin(), messages.begin() + 3));
    const std::string fromClock = ".\\App line 66 : rand.seed() = ";
    EXPECT_EQ(fromClock, messages[3].substr(0, fromClock.size()));
    long long clockSeed = std::atoll(messages[3].c_str() + fromClock.size());
    EXPECT_NEAR(static_cast<double>(_time64(nullptr)), static_cast<double>(clockSeed), 60.0);
    EXPECT_EQ(".\\Session : nothing to start: no screen saver is selected", messages[4]);
    DeleteFileA(traceFile.c_str());
    RemoveDirectoryA(folder.c_str());
}

#ifdef _WIN64
// The shipped 32-bit program copied onto 64-bit Windows starts the 64-bit
// screen savers from the real System32, and the 32-bit ones from SysWOW64.
TEST_F(Session, TheThirtyTwoBitProgramRunsTheScreenSaversOfBothSystemFolders)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string wow64 = wintest::SystemWow64Folder(), folder = std::string(temp) + "Tombolix32";
    CreateDirectoryA(folder.c_str(), nullptr);
    // Gone however the scenario ends, once the program is.
    struct Copy {
        std::string path;
        ~Copy()
        {
            wintest::WaitUntil([&] { return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 10s);
            RemoveDirectoryA(path.substr(0, path.rfind('\\')).c_str());
        }
    } copy{folder + "\\Tombolix2.scr"};
    ASSERT_TRUE(CopyFileA((wintest::Shipped32Folder() + "\\Tombolix2.scr").c_str(), copy.path.c_str(), FALSE));
    fixtures.Install(system, "Native");
    ASSERT_TRUE(fixtures.Install32(wow64, "Wow"));
    wintest::WriteCollectionsFile("[Default]\r\nNative=2\\0\\1\\0\\\r\nWow=2\\0\\1\\1\\\r\nTombolixCycle=1\r\n");

    Child program(copy.path, "/s");
    ASSERT_TRUE(WaitForStarts(3, 30s)) << Starts().size();
    Lines starts = Starts();
    EXPECT_EQ((Lines{"Native", "Wow", "Native"}), Lines(starts.begin(), starts.begin() + 3));
    EXPECT_EQ("\"" + system + "\\Native.scr\" /s", StartedAs("Native"));
    EXPECT_EQ("\"" + wow64 + "\\Wow.scr\" /s", StartedAs("Wow"));
    EXPECT_TRUE(fixtures.WaitForLine("Wow end", 5s));
    HWND session = wintest::FindWindowOfProcess(program.Id(), nullptr, "Tombolix2");
    ASSERT_NE(nullptr, session);
    PostMessageA(session, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10s));
}
#endif

}  // namespace
