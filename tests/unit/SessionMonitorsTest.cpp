// The session on two monitors: a screen saver hosted in our window on each,
// each with its own turn, and one over the desktop where that cannot be.
#include "session/MonitorAreas.h"
#include "session/Session.h"

#include "base/Random.h"
#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSessionHost.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct Monitors : ::testing::Test {
    FakeProfileFile file;
    FakeSessionHost host;
    CRandom random{1};
    SessionRules rules;

    Monitors() { rules.monitors = 2; }
    // "name=level\duration" entries in list order, cycling or at random.
    std::unique_ptr<CSession> Start(const Texts& entries, bool cycle)
    {
        std::string text = "[Default]\r\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            size_t split = entries[i].find('=');
            text += entries[i].substr(0, split) + "=" + entries[i].substr(split + 1) + "\\1\\" + std::to_string(i) +
                    "\\\r\n";
        }
        file.SetText(text + "TombolixCycle=" + (cycle ? "1" : "0") + "\r\n");
        auto collection = std::make_unique<CCollection>("Default", file);
        collection->Load(false);
        auto session = std::make_unique<CSession>(host, random, rules, std::move(collection));
        EXPECT_TRUE(session->Begin());
        return session;
    }
    void Allow(const Texts& names, ChildScript script = {{}, 0, {}, true})
    {
        for (const std::string& name : names) host.scripts[name] = script;
    }
};

TEST_F(Monitors, InListOrderTheyTakeConsecutiveEntriesAndThePositionMovesOnByAsMany)
{
    Allow({"A", "B", "C"});
    auto session = Start({"A=2\\1", "B=2\\1", "C=2\\1"}, true);
    EXPECT_EQ((Texts{"A on 1", "B on 2"}), host.hosted);
    EXPECT_EQ("2", file.ReadString("Default", "TombolixNextToUse", ""));
    host.PassSeconds(*session, 60);
    EXPECT_EQ((Texts{"window gone at 60s"}), host.children[0].received);
    host.PassSeconds(*session, 1);
    EXPECT_EQ((Texts{"A on 1", "B on 2", "C on 1", "A on 2"}), host.hosted);
    EXPECT_EQ("1", file.ReadString("Default", "TombolixNextToUse", ""));
    EXPECT_EQ((Texts{"start A from C:\\Savers\\A.scr on monitor 1", "start B from C:\\Savers\\B.scr on monitor 2",
                     "take the window of A away", "take the window of B away",
                     "start C from C:\\Savers\\C.scr on monitor 1", "start A from C:\\Savers\\A.scr on monitor 2"}),
              host.trace);
}

TEST_F(Monitors, OneMonitorThePasswordTheOverrideOrTheOptionOffGiveOneScreenSaverOverTheDesktop)
{
    struct Case { const char* what; int monitors; bool password, override, perMonitor; };
    for (const Case& c : {Case{"one monitor", 1, false, false, true}, Case{"password", 2, true, false, true},
                          Case{"uninterrupted", 2, false, true, true}, Case{"option off", 3, false, false, false}}) {
        FakeSessionHost desktop;
        desktop.scripts["A"] = {{}, 0, {}, true};
        rules = SessionRules();
        rules.monitors = c.monitors;
        rules.passwordInUse = c.password;
        rules.passwordOverride = c.override;
        rules.saverPerMonitor = c.perMonitor;
        file.SetText("[Default]\r\nA=2\\1\\1\\0\\\r\nB=2\\1\\1\\1\\\r\nTombolixCycle=1\r\n");
        auto collection = std::make_unique<CCollection>("Default", file);
        collection->Load(false);
        CSession session(desktop, random, rules, std::move(collection));
        EXPECT_TRUE(session.Begin()) << c.what;
        EXPECT_EQ(Texts{"A"}, desktop.launches) << c.what;
        EXPECT_TRUE(desktop.hosted.empty()) << c.what;
    }
}

TEST_F(Monitors, AtRandomAMonitorAvoidsTheScreenSaversOfTheOthersWhileThereAreEnough)
{
    Allow({"A", "B", "Only"});
    for (int32_t seed = 1; seed <= 40; ++seed) {
        random.SetSeed(seed);
        host.hosted.clear();
        auto session = Start({"A=2\\1", "B=0\\1"}, false);   // B weighs far more than A
        ASSERT_EQ(2u, host.hosted.size());
        EXPECT_NE(host.hosted[0].substr(0, 1), host.hosted[1].substr(0, 1)) << seed;
    }
    host.hosted.clear();
    auto session = Start({"Only=2\\1"}, false);
    EXPECT_EQ((Texts{"Only on 1", "Only on 2"}), host.hosted);
}

TEST_F(Monitors, AScreenSaverThatShowsNothingInOurWindowHandsTheRestOfTheSessionToOneOverTheDesktop)
{
    Allow({"B"});
    Allow({"Old"}, {{}, 0, {}, true, false, false});   // opens a window of its own, closes when asked
    auto session = Start({"Old=2\\1", "B=2\\1"}, true);
    host.PassSeconds(*session, 2);
    EXPECT_FALSE(host.monitorsLeft);
    host.PassSeconds(*session, 1);   // three seconds: B's window goes, Old is asked to close
    EXPECT_EQ((Texts{"window gone at 3s"}), host.children[1].received);
    host.PassSeconds(*session, 2);
    EXPECT_EQ((Texts{"window gone at 3s", "close at 4s"}), host.children[0].received);
    EXPECT_TRUE(host.monitorsLeft);
    // Its turn over the desktop, and every turn after it; the list goes on
    // after the monitors' last.
    EXPECT_EQ((Texts{"Old", "B", "Old"}), host.launches);
    EXPECT_EQ(wholeDesktop, host.Last().place);
    host.PassSeconds(*session, 62);
    EXPECT_EQ((Texts{"Old", "B", "Old", "Old"}), host.launches);
    EXPECT_EQ(wholeDesktop, host.Last().place);
    EXPECT_EQ(2u, host.hosted.size());
    EXPECT_EQ("Old showed nothing in our window on monitor 1; one screen saver over the whole desktop from now on",
              host.trace[2]);
    host.children.back().EndAt(host.nowMs);
    host.PassSeconds(*session, 1);
    EXPECT_TRUE(host.ended);
}

TEST_F(Monitors, AStubbornOneIsEndedOnItsOwnClockWhileTheOtherMonitorGoesOn)
{
    Allow({"Deaf"}, {{}, {}, {}, true, true, false});   // outlives its window, ignores close and Home
    Allow({"B"}, {5500, 0, {}, true});                  // ends by itself
    Allow({"C"});
    auto session = Start({"Deaf=2\\1", "B=2\\1", "C=2\\1"}, true);
    host.PassSeconds(*session, 6);
    EXPECT_EQ((Texts{"Deaf on 1", "B on 2", "C on 2"}), host.hosted);
    EXPECT_FALSE(host.ended);
    host.PassSeconds(*session, 90);   // Deaf's minute, then 1 + 12 + 12 s
    EXPECT_EQ((Texts{"window gone at 60s", "close at 61s", "home down at 73s", "home up at 73s"}),
              host.children[0].received);
    // Monitor 2 moved on at C's minute; monitor 1 once Deaf was abandoned.
    EXPECT_EQ((Texts{"Deaf on 1", "B on 2", "C on 2", "Deaf on 2", "B on 1"}),
              Texts(host.hosted.begin(), host.hosted.begin() + 5));
    EXPECT_EQ(1, std::count(host.trace.begin(), host.trace.end(),
                            "abandoned Deaf: it still runs; not started again in this session"));
}

TEST_F(Monitors, TheBlankerTakesOverEveryMonitorOnceAndForAll)
{
    Allow({"A", "B", "Blank Screen"});
    rules.useBlanker = true;
    rules.blankerMinutes = 1;
    rules.blankerName = "Blank Screen";
    auto session = Start({"A=2\\15", "B=2\\15"}, true);
    host.PassSeconds(*session, 62);
    EXPECT_EQ((Texts{"A on 1", "B on 2", "Blank Screen on 1", "Blank Screen on 2"}), host.hosted);
    host.PassSeconds(*session, 24 * 60 * 60);
    EXPECT_EQ(4u, host.launches.size());
    EXPECT_EQ(1, std::count(host.trace.begin(), host.trace.end(), "switch to the blanker Blank Screen"));
}

TEST(MonitorAreas, AMirroredOrEnclosedMonitorCountsOnceAndTheRestGoLeftToRight)
{
    const ScreenArea right{1024, 0, 2048, 768}, left{0, 0, 1024, 768}, inner{100, 100, 800, 600}, empty{5, 5, 5, 9};
    EXPECT_EQ((std::vector<ScreenArea>{left, right}), DistinctMonitors({right, left, left, inner, empty}));
    EXPECT_EQ(std::vector<ScreenArea>{left}, DistinctMonitors({left, left}));
    EXPECT_TRUE(DistinctMonitors({empty}).empty());
}

}  // namespace
