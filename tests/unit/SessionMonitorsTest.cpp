// The session on two monitors: a screen saver hosted in our window on each,
// each with its own turn, and one over the desktop where that cannot be.
#include "session/MonitorAreas.h"
#include "session/Session.h"

#include "base/Random.h"
#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSessionHost.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_EQ((Texts{"window gone at 60s", "close at 60s"}), host.children[0].received);
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

TEST_F(Monitors, OneThatQuitsOrShowsNothingInOurWindowHandsTheSessionToOneOverTheDesktopAtOnce)
{
    auto allow = [this] {
        host = FakeSessionHost();
        Allow({"B"});
        Allow({"Old"}, {{}, 0, {}, true, false});        // opens a window of its own
        Allow({"Quitter"}, {500, 0, {}, true, false});   // ends before it shows anything
    };
    // Old has three seconds to show itself; Quitter ends before the first tick.
    for (auto [first, handOverAt] : {std::pair{"Old", 3}, std::pair{"Quitter", 1}}) {
        allow();
        auto session = Start({std::string(first) + "=2\\1", "B=2\\1"}, true);
        host.PassSeconds(*session, handOverAt - 1);
        EXPECT_TRUE(host.children[1].received.empty()) << first;
        host.PassSeconds(*session, 1);
        // Every monitor's screen saver is ended at once, not asked politely.
        EXPECT_EQ(Texts{"ended at " + std::to_string(handOverAt) + "s"}, host.children[1].received) << first;
        EXPECT_EQ(0, host.monitorsLeft) << first;
        host.PassSeconds(*session, 1);
        EXPECT_EQ(1, host.monitorsLeft) << first;
        EXPECT_EQ((Texts{first, "B", first}), host.launches);
        EXPECT_EQ(wholeDesktop, host.Last().place);
        EXPECT_EQ(std::string(first) + " showed nothing in our window on monitor 1; one screen saver over the whole "
                                       "desktop from now on",
                  host.trace[2]);
    }
    // Its turn over the desktop, and every turn after it.
    allow();
    auto session = Start({"Old=2\\1", "B=2\\1"}, true);
    host.PassSeconds(*session, 66);
    EXPECT_EQ((Texts{"Old", "B", "Old", "Old"}), host.launches);
    EXPECT_EQ(wholeDesktop, host.Last().place);
    host.Last().EndAt(host.nowMs);
    host.PassSeconds(*session, 1);
    EXPECT_TRUE(host.ended);
}

TEST_F(Monitors, OneThatDoesNotCloseIsEndedTwoSecondsAfterItsTurnWhileTheOtherMonitorGoesOn)
{
    Allow({"Hung"}, {{}, {}, {}, true});   // answers nothing
    Allow({"B"}, {5500, 0, {}, true});     // ends by itself
    Allow({"C"});
    auto session = Start({"Hung=2\\1", "B=2\\1", "C=2\\1"}, true);
    host.PassSeconds(*session, 6);
    EXPECT_EQ((Texts{"Hung on 1", "B on 2", "C on 2"}), host.hosted);
    host.PassSeconds(*session, 57);
    EXPECT_EQ((Texts{"window gone at 60s", "close at 60s", "ended at 62s"}), host.children[0].received);
    EXPECT_EQ((Texts{"Hung on 1", "B on 2", "C on 2", "Hung on 1"}), host.hosted);
    EXPECT_NE(host.trace.end(), std::find(host.trace.begin(), host.trace.end(), "end Hung: it did not close"));
    EXPECT_FALSE(host.ended);
}

TEST_F(Monitors, AScreenSaverStillEndingElsewhereCountsAsShowingInListOrder)
{
    Allow({"Hung"}, {{}, {}, {}, true});
    Allow({"B"});
    auto session = Start({"Hung=2\\1", "B=2\\1"}, true);
    host.PassSeconds(*session, 61);   // B ends at once; Hung, next in the list, is still ending
    EXPECT_EQ((Texts{"Hung on 1", "B on 2", "B on 2"}), host.hosted);
    host.PassSeconds(*session, 2);
    EXPECT_EQ((Texts{"Hung on 1", "B on 2", "B on 2", "Hung on 1"}), host.hosted);
    EXPECT_LE(host.Running(), 2u);
}

TEST_F(Monitors, AMonitorWhoseStartFailedGetsTheNextChoiceAtTheNextTick)
{
    Allow({"A", "B"});
    host.unreachable.insert("Off");
    auto session = Start({"A=2\\1", "Off=2\\1", "B=2\\1"}, true);
    EXPECT_EQ((Texts{"A on 1", "Off on 2"}), host.hosted);
    host.PassSeconds(*session, 1);
    EXPECT_EQ((Texts{"A on 1", "Off on 2", "B on 2"}), host.hosted);

    // One that can start nothing more does not end the session while
    // another shows.
    session.reset();
    host = FakeSessionHost();
    Allow({"A"});
    host.unreachable.insert("Off");
    session = Start({"A=2\\5", "Off=2\\1"}, true);
    host.PassSeconds(*session, 10);
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(1u, host.Running());
    host.children[0].EndAt(host.nowMs);
    host.PassSeconds(*session, 1);   // A starts again
    EXPECT_EQ(1u, host.Running());
    EXPECT_FALSE(host.ended);
}

TEST_F(Monitors, InputEndsEveryScreenSaverAtOnceAndThenTheSession)
{
    Allow({"A", "B", "Hung"}, {{}, {}, {}, true});
    auto session = Start({"A=2\\1", "Hung=2\\1", "B=2\\1"}, true);
    host.PassSeconds(*session, 1);
    session->OnInput();
    EXPECT_EQ(0u, host.Running());
    EXPECT_EQ((Texts{"ended at 1s"}), host.children[1].received);
    EXPECT_TRUE(host.children[0].handleClosed && host.children[1].handleClosed);
    EXPECT_EQ(1, host.monitorsLeft);
    EXPECT_TRUE(host.ended);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_EQ("end: input from the user", host.trace.back());
    session->OnInput();
    session->Tick();
    EXPECT_EQ(2u, host.launches.size());
    EXPECT_EQ(1, std::count(host.trace.begin(), host.trace.end(), "end: input from the user"));
}

TEST_F(Monitors, AChangeOfTheMonitorsCoversTheNewLayoutAfresh)
{
    Allow({"A", "B", "C"});
    auto session = Start({"A=2\\1", "B=2\\1", "C=2\\1"}, true);
    host.monitorCount = 3;
    session->OnDisplayChange();
    EXPECT_EQ((Texts{"ended at 0s"}), host.children[0].received);
    EXPECT_EQ(0u, host.Running() - 3);
    EXPECT_EQ((Texts{"A on 1", "B on 2", "C on 1", "A on 2", "B on 3"}), host.hosted);
    EXPECT_EQ(1, host.monitorsLeft);
    EXPECT_EQ(2, host.coverings);
    EXPECT_EQ("the monitors changed: 3 now; each is covered afresh", host.trace[2]);
    host.monitorCount = 1;
    session->OnDisplayChange();
    EXPECT_EQ(1u, host.Running());
    EXPECT_EQ(wholeDesktop, host.Last().place);
    EXPECT_EQ(2, host.monitorsLeft);
    // One over the desktop covers it itself.
    session->OnDisplayChange();
    EXPECT_EQ(6u, host.launches.size());
}

TEST_F(Monitors, MonitorsThatCannotAllBeCoveredGiveOneScreenSaverOverTheDesktop)
{
    Allow({"A", "B"});
    host.canCover = false;
    auto session = Start({"A=2\\1", "B=2\\1"}, true);
    EXPECT_EQ(Texts{"A"}, host.launches);
    EXPECT_TRUE(host.hosted.empty());
    EXPECT_EQ("not every monitor could be covered; one screen saver over the whole desktop", host.trace[0]);
    session->OnInput();   // the screen saver over the desktop answers the input itself
    EXPECT_FALSE(host.ended);
}

TEST_F(Monitors, ABlankerThatEndsByItselfOnAMonitorStartsAgainThere)
{
    Allow({"A", "B"});
    Allow({"Blank Screen"}, {1500, 0, {}, true});
    rules.useBlanker = true;
    rules.blankerMinutes = 0;
    rules.blankerName = "Blank Screen";
    auto session = Start({"A=2\\15", "B=2\\15"}, true);
    host.PassSeconds(*session, 4);
    EXPECT_EQ((Texts{"A on 1", "B on 2", "Blank Screen on 1", "Blank Screen on 2", "Blank Screen on 1",
                     "Blank Screen on 2"}),
              host.hosted);
    EXPECT_FALSE(host.ended);
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
    // The left one first even where it sits lower; then top to bottom.
    const ScreenArea lowerLeft{0, 300, 1024, 1068}, below{1024, 768, 2048, 1536};
    EXPECT_EQ((std::vector<ScreenArea>{lowerLeft, right, below}), DistinctMonitors({below, right, lowerLeft}));
}

}  // namespace
