// The session over the whole desktop: one screen saver at a time, each for
// its duration, the blanker after its period, the password rules.
#include "SessionFixture.h"

#include <algorithm>

namespace {

TEST_F(SessionTest, AChildThatEndsByItselfEndsTheSessionAtTheNextTick)
{
    host.scripts["Aquarium"] = {2500, 0, {}, true};
    host.scripts["Bubbles"] = closesAtOnce;
    auto session = Start({{"Aquarium", 15}, {"Bubbles", 15}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 2);
    EXPECT_FALSE(host.ended);
    host.PassSeconds(*session, 1);
    EXPECT_TRUE(host.ended);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_TRUE(host.Last().handleClosed);
    EXPECT_EQ(Texts{"Aquarium"}, host.launches);
}

TEST_F(SessionTest, ADurationOfZeroIsInterruptedAtTheFirstTickAndTheRotationGoesOn)
{
    for (const char* name : {"A", "B", "C"}) host.scripts[name] = closesAtOnce;
    auto session = Start({{"A", 0}, {"B", 0}, {"C", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 1);
    EXPECT_EQ(Texts{"close at 1s"}, host.children[0].received);
    // Its end is seen at the next tick, which starts the next one.
    host.PassSeconds(*session, 1);
    EXPECT_EQ((Texts{"A", "B"}), host.launches);
    EXPECT_TRUE(host.children[0].handleClosed);
    host.PassSeconds(*session, 4);
    EXPECT_EQ((Texts{"A", "B", "C", "A"}), host.launches);
    EXPECT_EQ("1", file.ReadString("Default", "TombolixNextToUse", ""));
}

TEST_F(SessionTest, TheDurationIsReachedAtExactlyItsMinutes)
{
    host.scripts["A"] = closesAtOnce;
    host.scripts["B"] = closesAtOnce;
    auto session = Start({{"A", 1}, {"B", 1}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 59);
    EXPECT_TRUE(host.children[0].received.empty());
    host.PassSeconds(*session, 1);
    EXPECT_EQ(Texts{"close at 60s"}, host.children[0].received);
    host.PassSeconds(*session, 1);
    EXPECT_EQ((Texts{"A", "B"}), host.launches);
}

TEST_F(SessionTest, TheDurationCountsFromWhenTheLaunchReturned)
{
    host.scripts["Slow"] = {{}, 0, {}, true, true, 3000};   // ready for input after 3 s
    host.scripts["Next"] = closesAtOnce;
    auto session = Start({{"Slow", 1}, {"Next", 1}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 59);   // the clock reads 62 s
    EXPECT_TRUE(host.children[0].received.empty());
    host.PassSeconds(*session, 1);
    EXPECT_EQ(Texts{"close at 63s"}, host.children[0].received);
}

struct PasswordRules : SessionTest {
    // Three hours past the duration and the blanker period, nothing is interrupted.
    void ExpectNeverInterrupted()
    {
        host.scripts["A"] = closesAtOnce;
        rules.useBlanker = true;
        rules.blankerMinutes = 1;
        rules.blankerName = "A";
        auto session = Start({{"A", 0}});
        ASSERT_TRUE(session->Begin());
        host.PassSeconds(*session, 3 * 60 * 60);
        EXPECT_TRUE(host.Last().received.empty());
        EXPECT_EQ(Texts{"A"}, host.launches);
        EXPECT_TRUE(host.timerRunning);
    }
};

TEST_F(PasswordRules, TheDesktopPasswordNeverInterrupts)
{
    rules.passwordInUse = true;
    ExpectNeverInterrupted();
}

TEST_F(PasswordRules, TheOverrideNeverInterrupts)
{
    rules.passwordOverride = true;
    ExpectNeverInterrupted();
}

TEST_F(SessionTest, TheBlankerTakesOverStrictlyAfterItsPeriodAndIsNeverInterrupted)
{
    host.scripts["Late"] = closesAtOnce;
    host.scripts["Blank Screen"] = closesAtOnce;
    rules.useBlanker = true;
    rules.blankerMinutes = 120;
    rules.blankerName = "Blank Screen";
    rules.startTime = 0;
    host.nowMs = 119 * 60 * 1000;   // the entry starts at minute 119
    auto session = Start({{"Late", 15}});
    ASSERT_TRUE(session->Begin());

    host.PassSeconds(*session, 60);   // now exactly 120 minutes: not yet
    EXPECT_TRUE(host.Last().received.empty());
    EXPECT_EQ(Texts{"Late"}, host.launches);
    host.PassSeconds(*session, 2);
    EXPECT_EQ(Texts{"close at 7201s"}, host.children[0].received);
    EXPECT_EQ((Texts{"Late", "Blank Screen"}), host.launches);

    host.PassSeconds(*session, 24 * 60 * 60);
    EXPECT_TRUE(host.Last().received.empty());
    EXPECT_EQ(2u, host.launches.size());
}

TEST_F(SessionTest, WithoutABlankerNameTheRotationIsNotCutShort)
{
    host.scripts["A"] = closesAtOnce;
    rules.useBlanker = true;
    rules.blankerMinutes = 0;
    rules.blankerName = "";
    auto session = Start({{"A", 15}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 14 * 60);
    EXPECT_TRUE(host.Last().received.empty());
    EXPECT_EQ(Texts{"A"}, host.launches);
}

TEST_F(SessionTest, AChildClosingLateIsFollowedAtTheTickAfterItsEnd)
{
    host.scripts["Slow"] = {{}, 2500, {}, true};
    host.scripts["Next"] = closesAtOnce;
    auto session = Start({{"Slow", 0}, {"Next", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 3);
    EXPECT_EQ(Texts{"Slow"}, host.launches);
    EXPECT_TRUE(host.timerRunning);
    host.PassSeconds(*session, 1);
    EXPECT_EQ((Texts{"Slow", "Next"}), host.launches);
    EXPECT_EQ(Texts{"close at 1s"}, host.children[0].received);
}

// Each wait is twelve of the session's ticks, during which it goes on
// answering everything else.
TEST_F(SessionTest, AChildIgnoringCloseGetsTheHomeKeyAfterTwelveSeconds)
{
    host.scripts["Stubborn"] = {{}, {}, 500, true};
    host.scripts["Deaf"] = {{}, {}, {}, true};
    host.scripts["Next"] = closesAtOnce;
    auto session = Start({{"Deaf", 0}, {"Next", 0}, {"Stubborn", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 24);
    EXPECT_EQ(Texts{"Deaf"}, host.launches);
    host.PassSeconds(*session, 1);
    // Abandoned after two full waits, still running, its handle closed.
    EXPECT_EQ((Texts{"close at 1s", "home down at 13s", "home up at 13s"}), host.children[0].received);
    EXPECT_TRUE(host.children[0].Alive(host.nowMs));
    EXPECT_TRUE(host.children[0].handleClosed);
    EXPECT_EQ((Texts{"Deaf", "Next"}), host.launches);

    host.PassSeconds(*session, 2);   // Next closes at once
    EXPECT_EQ((Texts{"Deaf", "Next", "Stubborn"}), host.launches);
    host.PassSeconds(*session, 13);
    EXPECT_EQ(3u, host.launches.size());
    host.PassSeconds(*session, 1);   // ended half a second after the key
    EXPECT_EQ((Texts{"close at 28s", "home down at 40s", "home up at 40s"}), host.children[2].received);
    EXPECT_EQ((Texts{"Deaf", "Next", "Stubborn", "Next"}), host.launches);
}

TEST_F(SessionTest, AWindowThatTheHomeKeyClosedGetsNoKeyUp)
{
    host.scripts["Homebound"] = {{}, {}, 0, true};
    host.scripts["Next"] = closesAtOnce;
    auto session = Start({{"Homebound", 0}, {"Next", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 14);
    EXPECT_EQ((Texts{"close at 1s", "home down at 13s"}), host.children[0].received);
    EXPECT_EQ((Texts{"Homebound", "Next"}), host.launches);
}

TEST_F(SessionTest, AFailedLaunchForgetsTheEntryAndEndsTheSession)
{
    host.scripts["A"] = closesAtOnce;
    auto session = Start({{"A", 0}, {"Gone", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 2);
    EXPECT_EQ((Texts{"A", "Gone"}), host.launches);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(Texts({"A", "TombolixCycle", "TombolixNextToUse"}), file.ReadKeyNames("Default"));

    FakeSessionHost other;
    FakeProfileFile otherFile;
    otherFile.SetText("[Default]\r\nGone=2\\0\\1\\0\\\r\n");
    auto collection = std::make_unique<CCollection>("Default", otherFile);
    collection->Load(false);
    CSession first(other, random, rules, std::move(collection));
    EXPECT_FALSE(first.Begin());
    EXPECT_FALSE(other.timerRunning);
    EXPECT_TRUE(otherFile.ReadKeyNames("Default").empty());
}

TEST_F(SessionTest, AScreenSaverOutOfReachForNowKeepsItsEntry)
{
    host.scripts["A"] = closesAtOnce;
    host.unreachable.insert("OnUsbStick");
    auto session = Start({{"A", 0}, {"OnUsbStick", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 2);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(Texts({"A", "OnUsbStick", "TombolixCycle", "TombolixNextToUse"}), file.ReadKeyNames("Default"));
}

TEST_F(SessionTest, DestroyingTheSessionClosesTheRunningChildsHandle)
{
    host.scripts["A"] = closesAtOnce;
    auto session = Start({{"A", 15}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 1);
    EXPECT_FALSE(host.Last().handleClosed);
    session.reset();
    EXPECT_TRUE(host.Last().handleClosed);
    EXPECT_TRUE(host.Last().received.empty());
}

TEST_F(SessionTest, TheTraceTellsEveryDecision)
{
    host.scripts["Deaf"] = {{}, {}, {}, true};
    host.scripts["Home"] = {{}, {}, 0, true};
    host.scripts["Blank Screen"] = {1000, 0, {}, true};
    rules.useBlanker = true;
    rules.blankerMinutes = 1;
    rules.blankerName = "Blank Screen";
    rules.startTime = -40;
    auto session = Start({{"Deaf", 0}, {"Home", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 25);   // Deaf is abandoned after 24 s, Home starts
    host.PassSeconds(*session, 14);   // past the period: Home goes at its key, the blanker comes
    host.PassSeconds(*session, 1);    // the blanker ends by itself
    EXPECT_TRUE(host.ended);
    EXPECT_EQ((Texts{"start Deaf from C:\\Savers\\Deaf.scr",
                     "close Deaf",
                     "Home key to Deaf",
                     "abandoned Deaf: it still runs; not started again in this session",
                     "start Home from C:\\Savers\\Home.scr",
                     "close Home",
                     "Home key to Home",
                     "switch to the blanker Blank Screen",
                     "start Blank Screen from C:\\Savers\\Blank Screen.scr",
                     "end: Blank Screen ended by itself"}),
              host.trace);

    FakeSessionHost other;
    other.unreachable.insert("Offline");
    file.SetText("[Default]\r\nGone=2\\0\\1\\0\\\r\nOffline=2\\0\\1\\1\\\r\nTombolixCycle=1\r\n");
    auto collection = std::make_unique<CCollection>("Default", file);
    collection->Load(false);
    CSession failing(other, random, rules, std::move(collection));
    EXPECT_FALSE(failing.Begin());
    EXPECT_FALSE(failing.Begin());
    EXPECT_EQ((Texts{"forgot Gone: found in no searched folder",
                     "could not start Offline; kept, as a searched folder is missing or the file would not start"}),
              other.trace);
}

TEST_F(SessionTest, AChildWithoutAWindowIsWatchedUntilItEnds)
{
    host.scripts["Hidden"] = {4200, {}, {}, false};
    host.scripts["B"] = closesAtOnce;
    auto session = Start({{"Hidden", 0}, {"B", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 4);
    EXPECT_TRUE(host.timerRunning);
    EXPECT_FALSE(host.ended);
    host.PassSeconds(*session, 1);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(Texts{"Hidden"}, host.launches);
    // Told once, not at each of its four ticks past the duration.
    EXPECT_EQ((Texts{"start Hidden from C:\\Savers\\Hidden.scr",
                     "no window of Hidden to close; watching it until it ends", "end: Hidden ended by itself"}),
              host.trace);
}

TEST_F(SessionTest, AnIdleSessionIgnoresTicks)
{
    auto session = Start({{"A", 0}});
    session->Tick();
    session->Tick();
    EXPECT_TRUE(host.launches.empty());
    EXPECT_FALSE(host.ended);
}

// At random, with the option on, the screen saver just shown is drawn again
// while another can be given; the draws still come from the seed.
TEST_F(SessionTest, TheOptionDrawsAgainRatherThanRepeatTheScreenSaverJustShown)
{
    const std::string weighted = "Heavy=0\\0\\1\\0\\\r\nLight=4\\0\\1\\1\\\r\n";   // 25 to 1
    auto launchesOfTen = [&](bool noRepeat, const std::string& section) {
        host = FakeSessionHost();
        for (const char* name : {"Heavy", "Light"}) host.scripts[name] = closesAtOnce;
        random.SetSeed(7);
        rules.noImmediateRepeat = noRepeat;
        auto session = StartWith(section);
        EXPECT_TRUE(session->Begin());
        while (host.launches.size() < 10 && !host.ended) host.PassSeconds(*session, 1);
        return host.launches;
    };
    const Texts off = launchesOfTen(false, weighted);
    EXPECT_NE(off.end(), std::adjacent_find(off.begin(), off.end()));   // the seed repeats Heavy
    EXPECT_EQ(off, launchesOfTen(false, weighted));
    const Texts on = launchesOfTen(true, weighted);
    EXPECT_EQ(off.front(), on.front());
    EXPECT_EQ(on.end(), std::adjacent_find(on.begin(), on.end()));
    EXPECT_EQ(on, launchesOfTen(true, weighted));
    EXPECT_NE(host.trace.end(), std::find(host.trace.begin(), host.trace.end(), "drawn again: Heavy was just shown here"));
    // The only one that can be drawn comes again.
    EXPECT_EQ(Texts(10, "Heavy"), launchesOfTen(true, "Heavy=0\\0\\1\\0\\\r\nLight=4\\0\\0\\1\\\r\n"));
}

}  // namespace
