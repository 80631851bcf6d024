// A screen saver over the desktop that ignores the close request and the
// Home key is left to run on, and never started again in its session.
#include "SessionFixture.h"

#include <algorithm>

namespace {

// A screen saver that ignores the close request and the Home key runs on;
// starting it at each of its turns would pile copies up all night.
struct Abandoning : SessionTest {
    void SetUp() override
    {
        for (const char* name : {"Deaf", "Mute"}) host.scripts[name] = {{}, {}, {}, true};
        for (const char* name : {"A", "Z"}) host.scripts[name] = closesAtOnce;
    }
    long StartsOf(const std::string& name) const { return std::count(host.launches.begin(), host.launches.end(), name); }

    // Both deaf ones abandoned in turn, then the end.
    void ExpectEndWhenOnlyAbandonedOnesAreLeft(const std::string& cycleLine)
    {
        auto session = StartWith("Deaf=2\\0\\1\\0\\\r\nMute=2\\0\\1\\1\\\r\n" + cycleLine);
        ASSERT_TRUE(session->Begin());
        host.PassSeconds(*session, 49);
        EXPECT_FALSE(host.ended);
        host.PassSeconds(*session, 1);
        EXPECT_TRUE(host.ended);
        ASSERT_EQ(2u, host.launches.size());
        EXPECT_NE(host.launches[0], host.launches[1]);
        Texts expected;
        for (const std::string& name : host.launches)
            expected.insert(expected.end(), {"start " + name + " from C:\\Savers\\" + name + ".scr", "close " + name,
                                             "Home key to " + name,
                                             "abandoned " + name + ": it still runs; not started again in this session"});
        expected.insert(expected.end(), {"nothing to start: every screen saver left to choose was abandoned in this session",
                                         "end: nothing more could be started"});
        EXPECT_EQ(expected, host.trace);
        EXPECT_EQ("2\\0\\1\\0\\", file.ReadString("Default", "Deaf", ""));
        EXPECT_EQ("2\\0\\1\\1\\", file.ReadString("Default", "Mute", ""));
    }
};

TEST_F(Abandoning, InListOrderItsPlaceIsPassedOver)
{
    // Z, the map's last entry, would take the place over if the abandoned
    // entry left the list.
    auto session = Start({{"Deaf", 0}, {"A", 0}, {"Z", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 36);
    EXPECT_EQ((Texts{"Deaf", "A", "Z", "A", "Z", "A", "Z"}), host.launches);
    host.PassSeconds(*session, 1000);
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(507u, host.launches.size());
    EXPECT_EQ(1, StartsOf("Deaf"));
    EXPECT_EQ(1, std::count(host.trace.begin(), host.trace.end(),
                            "abandoned Deaf: it still runs; not started again in this session"));
    // Only the position moved; the user's selection stays as stored.
    EXPECT_EQ("[Default]\r\nDeaf=2\\0\\1\\0\\\r\nA=2\\0\\1\\1\\\r\nZ=2\\0\\1\\2\\\r\nTombolixCycle=1\r\n"
              "TombolixNextToUse=0\r\n",
              file.Text());
}

TEST_F(Abandoning, ByWeightItLeavesTheDrawAndItsWeightTheTotal)
{
    // Deaf weighs 25 of 27: drawing again whenever it comes would mostly
    // fail, and a total that kept its weight would hand nearly every turn
    // to Z, the map's last entry.
    const std::string section = "Deaf=0\\0\\1\\0\\\r\nA=4\\0\\1\\1\\\r\nZ=4\\0\\1\\2\\\r\n";
    auto session = StartWith(section);
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 2000);
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(989u, host.launches.size());
    EXPECT_EQ(1, StartsOf("Deaf"));
    // Even odds: about 500 each, three standard deviations under 50.
    EXPECT_GT(StartsOf("A"), 440);
    EXPECT_GT(StartsOf("Z"), 440);
    EXPECT_EQ("[Default]\r\n" + section, file.Text());
}

TEST_F(Abandoning, TheSessionEndsInListOrderWhenOnlyAbandonedOnesAreLeft)
{
    ExpectEndWhenOnlyAbandonedOnesAreLeft("TombolixCycle=1\r\n");
}

TEST_F(Abandoning, TheSessionEndsByWeightWhenOnlyAbandonedOnesAreLeft)
{
    ExpectEndWhenOnlyAbandonedOnesAreLeft("TombolixCycle=0\r\n");
}

TEST_F(Abandoning, TheBlankerAbandonedAsAnEntryIsNotStartedAgain)
{
    rules.useBlanker = true;
    rules.blankerMinutes = 1;
    rules.blankerName = "deaf";   // file names ignore letter case
    rules.startTime = -40;
    auto session = Start({{"Deaf", 0}, {"A", 0}});
    ASSERT_TRUE(session->Begin());
    host.PassSeconds(*session, 25);   // Deaf abandoned, A starts
    host.PassSeconds(*session, 2);    // past the period: A goes
    EXPECT_TRUE(host.ended);
    EXPECT_EQ((Texts{"Deaf", "A"}), host.launches);
    EXPECT_EQ((Texts{"close A", "switch to the blanker deaf",
                     "the blanker deaf was abandoned in this session; not started again",
                     "end: nothing more could be started"}),
              Texts(host.trace.end() - 4, host.trace.end()));
}

}  // namespace
