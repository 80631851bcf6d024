// The test screen saver hosted the way a session hosts one screen saver per
// monitor: started with the preview switch and a window of ours on the
// second monitor, it fills that window's client area with a child window
// and ends with it; a stubborn one outlives it. Wine does not draw a child
// window of another process, so the fixture's log says where its window is.
#include "DisplayAndInput.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using wintest::Child;
using Lines = std::vector<std::string>;

// A bordered popup on the second monitor whose client area, 152x112 as the
// preview in the display settings, lies at 1300,200-1452,312.
class HostWindow {
public:
    HostWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = "MonitorTestHost";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "Host", WS_POPUP | WS_BORDER | WS_VISIBLE, 1299, 199, 154, 114,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~HostWindow()
    {
        if (IsWindow(window)) DestroyWindow(window);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    std::string Handle() const { return std::to_string(reinterpret_cast<UINT_PTR>(window)); }
    std::string ClientArea() const
    {
        RECT area{};
        GetClientRect(window, &area);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
        return std::to_string(area.left) + " " + std::to_string(area.top) + " " + std::to_string(area.right) + " " +
               std::to_string(area.bottom);
    }

    HWND window;
};

struct PreviewHost : ::testing::Test {
    wintest::Fixtures fixtures;
    std::string system = wintest::SystemFolder();
    HostWindow host;

    void SetUp() override { ASSERT_EQ("1300 200 1452 312", host.ClientArea()); }

    // Installs a copy of the fixture under the name; its path.
    std::string Saver(const std::string& name)
    {
        fixtures.Install(system, name);
        return system + "\\" + name + ".scr";
    }
    std::string StartLine(const std::string& name, const std::string& arguments) const
    {
        return name + " start \"" + system + "\\" + name + ".scr\" " + arguments;
    }
    std::string HostedLine(const std::string& name) const
    {
        return name + " window " + host.Handle() + " 1300 200 1452 312";
    }
    // Our windows answer meanwhile: making a child in one of them waits on us.
    bool WaitForLine(const std::string& line)
    {
        return wintest::WaitPumpingMessages([&] { return fixtures.WaitForLine(line, 0ms); }, 10s);
    }
    Lines LinesOf(const std::string& name) const
    {
        Lines lines;
        for (const std::string& line : fixtures.Log())
            if (line.compare(0, name.size() + 1, name + " ") == 0) lines.push_back(line);
        return lines;
    }
};

TEST_F(PreviewHost, TheSaverFillsTheWindowItIsGivenAndEndsWithIt)
{
    const std::string arguments = "/p " + host.Handle();
    Child saver(Saver("Hosted"), arguments);
    ASSERT_TRUE(WaitForLine(HostedLine("Hosted"))) << ::testing::PrintToString(fixtures.Log());

    DestroyWindow(host.window);
    EXPECT_TRUE(saver.WaitForExit(10s));
    EXPECT_EQ(0u, saver.ExitCode());
    EXPECT_EQ((Lines{StartLine("Hosted", arguments), HostedLine("Hosted"), "Hosted end"}), fixtures.Log());
}

TEST_F(PreviewHost, TheSwitchIsReadInEachOfItsFormsAndOnlyByThoseWhoKnowIt)
{
    const std::string colon = "/P:" + host.Handle(), dash = "-p " + host.Handle(), old = "/p " + host.Handle();
    Child colonSaver(Saver("Colon"), colon);
    Child dashSaver(Saver("Dash"), dash);
    Child oldSaver(Saver("OldNoPreview"), old);
    Child lostSaver(Saver("Lost"), "/p NotAWindow");
    ASSERT_TRUE(WaitForLine(HostedLine("Colon")));
    ASSERT_TRUE(WaitForLine(HostedLine("Dash")));
    ASSERT_TRUE(WaitForLine("OldNoPreview window 0 0 0 1024 768"));
    EXPECT_TRUE(lostSaver.WaitForExit(10s));
    EXPECT_EQ(1u, lostSaver.ExitCode());
    EXPECT_EQ((Lines{StartLine("Lost", "/p NotAWindow"), "Lost end"}), LinesOf("Lost"));

    DestroyWindow(host.window);
    EXPECT_TRUE(colonSaver.WaitForExit(10s));
    EXPECT_TRUE(dashSaver.WaitForExit(10s));
    EXPECT_EQ((Lines{StartLine("Colon", colon), HostedLine("Colon"), "Colon end"}), LinesOf("Colon"));
    EXPECT_EQ((Lines{StartLine("Dash", dash), HostedLine("Dash"), "Dash end"}), LinesOf("Dash"));
    // Its full-screen popup is its own.
    EXPECT_TRUE(oldSaver.Running());
    EXPECT_EQ((Lines{StartLine("OldNoPreview", old), "OldNoPreview window 0 0 0 1024 768"}), LinesOf("OldNoPreview"));
}

TEST_F(PreviewHost, StubbornSaversOutliveTheirWindowAndKeepTheirRules)
{
    const std::string arguments = "/p " + host.Handle();
    Child deaf(Saver("DeafHosted"), arguments);
    Child homeOnly(Saver("HomeOnlyHosted"), arguments);
    ASSERT_TRUE(WaitForLine(HostedLine("DeafHosted")));
    ASSERT_TRUE(WaitForLine(HostedLine("HomeOnlyHosted")));

    DestroyWindow(host.window);
    ASSERT_TRUE(WaitForLine("DeafHosted window 0 0 0 0 0"));
    ASSERT_TRUE(WaitForLine("HomeOnlyHosted window 0 0 0 0 0"));
    for (const Child* saver : {&deaf, &homeOnly}) {
        HWND alone = wintest::FindWindowOfProcess(saver->Id(), "TombolixFixture", nullptr);
        ASSERT_NE(nullptr, alone);
        EXPECT_FALSE(IsWindowVisible(alone));
        PostMessageA(alone, WM_CLOSE, 0, 0);
        PostMessageA(alone, WM_KEYDOWN, VK_HOME, 0);
    }
    EXPECT_TRUE(homeOnly.WaitForExit(10s));
    EXPECT_TRUE(fixtures.WaitForLine("DeafHosted home", 10s));
    EXPECT_TRUE(deaf.Running());
    EXPECT_EQ((Lines{StartLine("HomeOnlyHosted", arguments), HostedLine("HomeOnlyHosted"),
                     "HomeOnlyHosted window 0 0 0 0 0", "HomeOnlyHosted close", "HomeOnlyHosted home",
                     "HomeOnlyHosted end"}),
              LinesOf("HomeOnlyHosted"));
    EXPECT_EQ((Lines{StartLine("DeafHosted", arguments), HostedLine("DeafHosted"), "DeafHosted window 0 0 0 0 0",
                     "DeafHosted close", "DeafHosted home"}),
              LinesOf("DeafHosted"));

    // Only ending its process ends it.
    wintest::Fixtures::CloseAllWindows();
    EXPECT_TRUE(deaf.WaitForExit(10s));
}

}  // namespace
