#include "base/Random.h"
#include "collections/Collection.h"

#include "fakes/FakeProfileFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

std::string NameOf(const CSaverEntry* entry) { return entry ? entry->GetName() : "(none)"; }

struct ChooseTest : ::testing::Test {
    FakeProfileFile file;
    CRandom random{1};

    CCollection Loaded(const std::string& text)
    {
        file.SetText(text);
        CCollection collection("Default", file);
        collection.Load(false);
        return collection;
    }
};

// Aquarium 25, Bubbles 4, Clock 9: totalWeight 38.
const char* const weighted = "[Default]\r\nAquarium=0\\1\\1\\0\\\r\nBubbles=3\\1\\1\\1\\\r\nClock=2\\1\\1\\2\\\r\n";

TEST_F(ChooseTest, ADrawPicksByRunningWeight)
{
    CCollection collection = Loaded(weighted);
    ASSERT_EQ(38.0f, collection.GetTotalWeight());
    // The nearest single-precision value to 25/38 lies below it; to 29/38 above it.
    float at25 = 25.0f / 38.0f, at29 = 29.0f / 38.0f;
    EXPECT_EQ("Aquarium", NameOf(collection.PickByWeight(0.0f)));
    EXPECT_EQ("Aquarium", NameOf(collection.PickByWeight(std::nextafter(at25, 0.0f))));
    EXPECT_EQ("Aquarium", NameOf(collection.PickByWeight(at25)));
    EXPECT_EQ("Bubbles", NameOf(collection.PickByWeight(std::nextafter(at25, 1.0f))));
    EXPECT_EQ("Bubbles", NameOf(collection.PickByWeight(std::nextafter(at29, 0.0f))));
    EXPECT_EQ("Clock", NameOf(collection.PickByWeight(at29)));
    EXPECT_EQ("Clock", NameOf(collection.PickByWeight(1.0f)));
}

TEST_F(ChooseTest, ADrawEqualToARunningShareGoesOnToTheNextEntry)
{
    // Two weights of 25: the first one's share is exactly one half.
    CCollection collection = Loaded("[Default]\r\nA=0\\1\\1\\0\\\r\nB=0\\1\\1\\1\\\r\n");
    EXPECT_EQ("A", NameOf(collection.PickByWeight(std::nextafter(0.5f, 0.0f))));
    EXPECT_EQ("B", NameOf(collection.PickByWeight(0.5f)));
}

TEST_F(ChooseTest, DrawsFollowTheWeights)
{
    CCollection collection = Loaded(weighted);
    random.SetSeed(2024);
    std::map<std::string, int> seen;
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) ++seen[NameOf(collection.ChooseNext(random))];
    // Three standard deviations are under 0.5 %; a wrong weight is off by 2.6 % or more.
    EXPECT_NEAR(25.0 / 38, seen["Aquarium"] / double(draws), 0.006);
    EXPECT_NEAR(4.0 / 38, seen["Bubbles"] / double(draws), 0.006);
    EXPECT_NEAR(9.0 / 38, seen["Clock"] / double(draws), 0.006);
}

TEST_F(ChooseTest, RandomModeDrawsOncePerChoiceAndRepeatsWithTheSeed)
{
    CCollection collection = Loaded(weighted);
    CRandom twin(99);
    random.SetSeed(99);
    std::vector<std::string> first;
    for (int i = 0; i < 20; ++i) first.push_back(NameOf(collection.ChooseNext(random)));
    for (int i = 0; i < 20; ++i) twin.Next();
    EXPECT_EQ(twin.Next(), random.Next());

    random.SetSeed(99);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(first[i], NameOf(collection.ChooseNext(random)));
    EXPECT_EQ("[Default]\r\nAquarium=0\\1\\1\\0\\\r\nBubbles=3\\1\\1\\1\\\r\nClock=2\\1\\1\\2\\\r\n", file.Text());
}

TEST_F(ChooseTest, RandomModeEdgeCases)
{
    CCollection zeroWeight = Loaded("[Default]\r\nA=5\\1\\1\\0\\\r\nB=5\\1\\1\\1\\\r\n");
    EXPECT_EQ("B", NameOf(zeroWeight.ChooseNext(random)));
    EXPECT_EQ("B", NameOf(zeroWeight.PickByWeight(0.0f)));

    CCollection single = Loaded("[Default]\r\nOnly=4\\1\\1\\0\\\r\n");
    for (int i = 0; i < 10; ++i) EXPECT_EQ("Only", NameOf(single.ChooseNext(random)));

    CCollection empty = Loaded("[Default]\r\nOff=0\\1\\0\\0\\\r\n");
    CRandom twin(5);
    random.SetSeed(5);
    EXPECT_EQ(nullptr, empty.ChooseNext(random));
    twin.Next();
    EXPECT_EQ(twin.Next(), random.Next());   // the empty choice drew once too
}

TEST_F(ChooseTest, CycleModeGoesInOrderAndWritesThePosition)
{
    CCollection collection = Loaded("[Default]\r\nA=2\\1\\1\\2\\\r\nB=2\\1\\1\\0\\\r\nC=2\\1\\1\\1\\\r\nTombolixCycle=1\r\n");
    CRandom twin(1);
    const char* expected[] = {"B", "C", "A", "B"};
    const char* written[] = {"1", "2", "0", "1"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i], NameOf(collection.ChooseNext(random)));
        EXPECT_EQ(written[i], file.ReadString("Default", "TombolixNextToUse", ""));
    }
    EXPECT_EQ(twin.Next(), random.Next());   // cycle mode draws nothing
}

TEST_F(ChooseTest, CyclePositionsWithoutAnEntryGiveTheLastEntry)
{
    // Orders 0 and 2 leave a gap at 1.
    CCollection gap = Loaded("[Default]\r\nA=2\\1\\1\\0\\\r\nB=2\\1\\1\\2\\\r\nZ=2\\1\\1\\5\\\r\nTombolixCycle=1\r\n");
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i) names.push_back(NameOf(gap.ChooseNext(random)));
    EXPECT_EQ((std::vector<std::string>{"A", "Z", "B", "A"}), names);

    CCollection seven = Loaded("[Default]\r\nA=2\\1\\1\\0\\\r\nB=2\\1\\1\\1\\\r\nC=2\\1\\1\\2\\\r\n"
                               "TombolixCycle=1\r\nTombolixNextToUse=7\r\n");
    EXPECT_EQ("C", NameOf(seven.ChooseNext(random)));
    EXPECT_EQ(2, seven.GetNextToUse());

    CCollection negative = Loaded("[Default]\r\nA=2\\1\\1\\0\\\r\nB=2\\1\\1\\1\\\r\nC=2\\1\\1\\2\\\r\n"
                                  "TombolixCycle=1\r\nTombolixNextToUse=-5\r\n");
    EXPECT_EQ("C", NameOf(negative.ChooseNext(random)));
    EXPECT_EQ(-1, negative.GetNextToUse());
    negative.ChooseNext(random);
    EXPECT_EQ(0, negative.GetNextToUse());
}

// A session passes over an abandoned entry by choosing again: from any
// stored position, twice the number of entries in choices reach them all.
TEST_F(ChooseTest, FromAnyStoredPositionTheCycleGoesRoundWithinTwiceTheCount)
{
    const struct { const char* position; const char* choices; const char* written; } cases[] = {
        {"-3", "CCCABC", "0"}, {"2147483647", "CCABCA", "1"}, {"-2147483648", "CCABCA", "1"}};
    const std::string inCycle =
        "[Default]\r\nA=2\\1\\1\\0\\\r\nB=2\\1\\1\\1\\\r\nC=2\\1\\1\\2\\\r\nTombolixCycle=1\r\n";
    for (const auto& c : cases) {
        CCollection collection = Loaded(inCycle + "TombolixNextToUse=" + c.position + "\r\n");
        std::string choices;
        for (int i = 0; i < 6; ++i) choices += NameOf(collection.ChooseNext(random));
        EXPECT_EQ(c.choices, choices) << c.position;
        EXPECT_EQ(c.written, file.ReadString("Default", "TombolixNextToUse", "")) << c.position;
    }
}

// Abandoned on two monitors at once, an entry is withdrawn twice.
TEST_F(ChooseTest, AnEntryWithdrawnTwiceLeavesTheDrawOnce)
{
    CCollection collection = Loaded(weighted);
    collection.WithdrawFromDraw("Aquarium");
    collection.WithdrawFromDraw("Aquarium");
    collection.WithdrawFromDraw("Nowhere");
    EXPECT_EQ(13.0f, collection.GetTotalWeight());
    // Bubbles 4 and Clock 9 share the draw.
    EXPECT_EQ("Bubbles", NameOf(collection.PickByWeight(0.0f)));
    EXPECT_EQ("Bubbles", NameOf(collection.PickByWeight(0.3f)));
    EXPECT_EQ("Clock", NameOf(collection.PickByWeight(0.31f)));
    EXPECT_EQ("[Default]\r\nAquarium=0\\1\\1\\0\\\r\nBubbles=3\\1\\1\\1\\\r\nClock=2\\1\\1\\2\\\r\n", file.Text());
}

TEST_F(ChooseTest, CycleModeWithoutALoadedCountRunsOverTheWholeMap)
{
    CCollection collection("Default", file);
    collection.SetCycle(true);
    EXPECT_EQ(nullptr, collection.ChooseNext(random));
    EXPECT_FALSE(file.Exists());

    CSaverEntry& a = collection.FindOrAdd("A");
    a.SetSelected(true);
    CSaverEntry& b = collection.FindOrAdd("B");
    b.SetSelected(true);
    b.SetOrder(1);
    EXPECT_EQ("A", NameOf(collection.ChooseNext(random)));
    EXPECT_EQ("B", NameOf(collection.ChooseNext(random)));
    EXPECT_EQ("A", NameOf(collection.ChooseNext(random)));
    EXPECT_EQ("1", file.ReadString("Default", "TombolixNextToUse", ""));
}

}  // namespace
