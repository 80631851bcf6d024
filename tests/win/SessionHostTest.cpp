// The session's Win32 host: its windows over the monitors and the input
// watch come all together or not at all, and a hosted screen saver that
// stopped answering never holds the window it shows in.
#include "session/Win32Children.h"
#include "session/Win32SessionHost.h"

#include "DisplayAndInput.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

const std::vector<std::string> noFolders;
const std::vector<ScreenArea> twoAreas{{0, 0, 200, 150}, {200, 0, 400, 150}};

// Fails to make the window over the given monitor (1, 2, ...), or the input
// watch when that is 0.
class FailingHost : public CWin32SessionHost {
public:
    explicit FailingHost(int failing) : CWin32SessionHost(noFolders, false, twoAreas), failing(failing) {}

protected:
    std::unique_ptr<CHostWnd> MakeMonitorWindow(const ScreenArea& area) override
    {
        if (++made == failing) return nullptr;
        return CWin32SessionHost::MakeMonitorWindow(area);
    }
    std::unique_ptr<CInputWatch> MakeInputWatch() override
    {
        return failing == 0 ? nullptr : CWin32SessionHost::MakeInputWatch();
    }

private:
    int failing;
    int made = 0;
};

size_t HostWindows()
{
    size_t count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, "BrackwenTombolixHost", nullptr); window;
         window = FindWindowExA(nullptr, window, "BrackwenTombolixHost", nullptr))
        ++count;
    return count;
}

TEST(SessionHost, CoversEveryMonitorWithTheInputWatchOrNothing)
{
    for (int failing : {1, 2, 0}) {
        FailingHost host(failing);
        EXPECT_FALSE(host.CoverMonitors()) << failing;
        EXPECT_EQ(0u, HostWindows()) << failing;
        EXPECT_EQ(LaunchOutcome::NotStarted, host.Launch("Anything", 0).outcome) << failing;
    }
    FailingHost host(3);
    ASSERT_TRUE(host.CoverMonitors());
    EXPECT_EQ(2u, HostWindows());
    host.LeaveMonitors();
    EXPECT_EQ(0u, HostWindows());
}

struct HungChild : ::testing::Test {
    wintest::Fixtures fixtures;
    CKillOnCloseJob job;
    std::unique_ptr<CHostWnd> window = std::make_unique<CHostWnd>();

    // A screen saver in our window that stopped answering.
    std::unique_ptr<IChild> StartHung()
    {
        fixtures.Install(wintest::SystemFolder(), "Hangs");
        EXPECT_TRUE(window->CreateOver(RECT{0, 0, 200, 150}));
        Launched launched = LaunchHosted(*window, job.Get(), noFolders, "Hangs");
        EXPECT_EQ(LaunchOutcome::Started, launched.outcome);
        EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return fixtures.WaitForLine("Hangs hang", 0ms); }, seconds(10)));
        EXPECT_TRUE(launched.child->HasShownItself());
        return std::move(launched.child);
    }
    // How long the step took, and that it ended the screen saver.
    template <class Step>
    void ExpectQuickAndEnded(Step step)
    {
        const auto begin = steady_clock::now();
        step();
        EXPECT_LT(steady_clock::now() - begin, seconds(2));
        EXPECT_TRUE(wintest::WaitUntil([] { return wintest::CountProcessesNamed({"Hangs.scr"}) == 0; }, seconds(5)));
    }
};

TEST_F(HungChild, LettingItGoEndsItAndTakesItsStageAtOnce)
{
    std::unique_ptr<IChild> child = StartHung();
    EXPECT_TRUE(child->AskToClose());
    EXPECT_TRUE(child->IsRunning());
    ExpectQuickAndEnded([&] { child.reset(); });
    EXPECT_EQ(nullptr, GetWindow(window->Handle(), GW_CHILD));
}

TEST_F(HungChild, TheWindowItShowsInGoesAtOnceAndEndsItFirst)
{
    std::unique_ptr<IChild> child = StartHung();
    ExpectQuickAndEnded([&] { window.reset(); });
    EXPECT_FALSE(child->IsRunning());
}

}  // namespace
