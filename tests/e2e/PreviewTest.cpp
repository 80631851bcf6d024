// The live preview: "Tombolix2.scr /p <window>" plays the current
// collection's selected screen savers in the given window, as the
// screen-saver settings of Windows ask of every screen saver, and ends with
// that window or with its own process. It never writes anything.
#include "DisplayAndInput.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

using namespace std::chrono_literals;
using wintest::Child;
using Lines = std::vector<std::string>;

struct Preview : ::testing::Test {
    wintest::Fixtures fixtures;
    const std::string system = wintest::SystemFolder();
    const std::string collections = "[Default]\r\nFirst=2\\15\\1\\0\\\r\nNoPreview=2\\15\\1\\1\\\r\n"
                                    "Second=2\\15\\1\\2\\\r\nTombolixCycle=1\r\nTombolixNextToUse=1\r\n";
    // What the settings of Windows give a screen saver: a small window.
    HWND picture = nullptr;

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        for (const char* name : {"First", "NoPreview", "Second"}) fixtures.Install(system, name);
        wintest::WriteCollectionsFile(collections);
        picture = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 152, 112, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(picture)) DestroyWindow(picture);
        wintest::Fixtures::CloseAllWindows();
        wintest::ClearStoredSettings();
        wintest::WriteCollectionsFile("");
    }
    std::string PictureNumber() const { return std::to_string(reinterpret_cast<uintptr_t>(picture)); }
    // Waits until the log holds the line as many times.
    bool WaitForLine(const std::string& line, std::chrono::milliseconds timeout, long times = 1) const
    {
        return wintest::WaitPumpingMessages([&] {
            Lines log = fixtures.Log();
            return std::count(log.begin(), log.end(), line) >= times;
        }, timeout);
    }
    // "<name> window <parent> <left> <top> <right> <bottom>": the window the
    // screen saver showed, and where.
    HWND ShownWindow(const std::string& name, RECT& area) const
    {
        for (const std::string& line : fixtures.Log()) {
            if (line.rfind(name + " window ", 0) != 0) continue;
            std::istringstream fields(line.substr(name.size() + 8));
            uintptr_t parent = 0;
            fields >> parent >> area.left >> area.top >> area.right >> area.bottom;
            return GetWindow(reinterpret_cast<HWND>(parent), GW_CHILD);
        }
        return nullptr;
    }
    Lines StartedNames() const
    {
        Lines names;
        for (const std::string& line : fixtures.Log())
            if (line.find(" start ") != std::string::npos) names.push_back(line.substr(0, line.find(' ')));
        return names;
    }
};

TEST_F(Preview, PlaysTheSelectedScreenSaversInTheWindowInListOrderPassingOverOneThatCannot)
{
    Child preview("/p " + PictureNumber());
    ASSERT_TRUE(wintest::WaitPumpingMessages([&] { return StartedNames().size() >= 1; }, 10s));
    RECT area{};
    ASSERT_TRUE(wintest::WaitPumpingMessages([&] { return ShownWindow("First", area) != nullptr; }, 10s));
    // Exactly the picture's client area, in a window of ours inside it.
    RECT client{};
    GetClientRect(picture, &client);
    MapWindowPoints(picture, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ((std::vector<LONG>{client.left, client.top, client.right, client.bottom}),
              (std::vector<LONG>{area.left, area.top, area.right, area.bottom}));
    HWND ours = GetParent(GetParent(ShownWindow("First", area)));
    EXPECT_EQ(picture, GetParent(ours));

    // Eight seconds each; the one that ignores the preview switch is passed
    // over within three, and ended.
    ASSERT_TRUE(WaitForLine("First end", 15s));
    ASSERT_TRUE(wintest::WaitPumpingMessages([&] { return ShownWindow("Second", area) != nullptr; }, 10s));
    EXPECT_EQ(0u, wintest::CountProcessesNamed({"NoPreview.scr"}));
    ASSERT_TRUE(WaitForLine("Second end", 15s));
    ASSERT_TRUE(wintest::WaitPumpingMessages([&] { return StartedNames().size() >= 4; }, 10s));
    EXPECT_EQ((Lines{"First", "NoPreview", "Second", "First"}), StartedNames());
    for (const std::string& line : fixtures.Log()) {
        if (line.find(" start ") == std::string::npos) continue;
        EXPECT_NE(std::string::npos, line.find("\" /p ")) << line;
    }

    // Hidden by the settings of Windows: the preview and its screen saver end.
    ShowWindow(picture, SW_HIDE);
    EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return !preview.Running(); }, 20s));
    EXPECT_EQ(0u, wintest::CountProcessesNamed({"First.scr"}));
    // Nothing written: the position stays, and no option appeared.
    EXPECT_EQ(collections, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2"));
}

TEST_F(Preview, EndsWithItsWindowAndItsScreenSaverEndsWhenItIsEndedByForce)
{
    for (const char* form : {"/p:", "-p "}) {
        fixtures.ClearLog();
        if (!IsWindow(picture))
            picture = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 152, 112, nullptr, nullptr,
                                      nullptr, nullptr);
        Child preview(form + PictureNumber());
        RECT area{};
        HWND shown = nullptr;
        ASSERT_TRUE(wintest::WaitPumpingMessages([&] { return (shown = ShownWindow("First", area)) != nullptr; }, 10s)) << form;
        if (std::string(form) == "/p:") {
            DestroyWindow(picture);
            EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return !preview.Running(); }, 20s));
        } else {
            // As the settings of Windows end a preview: the hosted screen
            // saver would outlive it, window and all, without the job.
            HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, preview.Id());
            TerminateProcess(process, 1);
            CloseHandle(process);
        }
        EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return !IsWindow(shown); }, 20s)) << form;
    }
}

// The settings of Windows destroy the picture while its screen saver no
// longer answers: destroying it waits on every window inside, so the
// preview ends that screen saver first, 32-bit or not.
struct PreviewOfKind : Preview, ::testing::WithParamInterface<bool> {};

TEST_P(PreviewOfKind, APictureWhoseScreenSaverHangsIsDestroyedAtOnce)
{
    ASSERT_TRUE(fixtures.InstallOfKind(GetParam(), "Hangs"));
    wintest::WriteCollectionsFile("[Default]\r\nHangs=2\\15\\1\\0\\\r\nTombolixCycle=1\r\n");
    Child preview("/p " + PictureNumber());
    ASSERT_TRUE(WaitForLine("Hangs hang", 10s));
    RECT area{};
    HWND shown = ShownWindow("Hangs", area);
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(picture, GetAncestor(shown, GA_ROOT));
    const DWORD before = GetTickCount();
    DestroyWindow(picture);
    const DWORD tookMs = GetTickCount() - before;
    // A second on a quiet machine; the screen saver would hold it for ever.
    EXPECT_LT(tookMs, 3000u);
    std::printf("the picture was destroyed in %lu ms\n", static_cast<unsigned long>(tookMs));
    EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return !preview.Running(); }, 20s));
    EXPECT_EQ(0u, wintest::CountProcessesNamed({"Hangs.scr"}));
}

INSTANTIATE_TEST_SUITE_P(Preview, PreviewOfKind, ::testing::ValuesIn(wintest::ScreenSaverKinds()),
                         [](const auto& info) { return wintest::ScreenSaverKindName(info.param); });

// One that ignores the close request at the end of its turn is ended, and
// never runs beside its next copy.
TEST_F(Preview, AStubbornOneNeverRunsTwice)
{
    fixtures.Install(system, "Deaf");
    wintest::WriteCollectionsFile("[Default]\r\nDeaf=2\\15\\1\\0\\\r\nFirst=2\\15\\1\\1\\\r\n"
                                  "TombolixCycle=1\r\n");
    Child preview("/p " + PictureNumber());
    size_t most = 0;
    wintest::WaitPumpingMessages([&] {
        most = std::max(most, wintest::CountProcessesNamed({"Deaf.scr"}));
        return false;
    }, 40s);
    EXPECT_EQ(1u, most);
    // Deaf, First, Deaf, First, Deaf at 0, 10, 18, 28 and 36 s.
    EXPECT_EQ((Lines{"Deaf", "First", "Deaf", "First", "Deaf"}), StartedNames());
    EXPECT_TRUE(preview.Running());
}

}  // namespace
