#include "collections/Collection.h"

#include "fakes/FakeProfileFile.h"
#include "fakes/FakeUninstallState.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

Names NamesOf(const CCollection& collection)
{
    Names names;
    for (const auto& [name, entry] : collection.GetEntries()) names.push_back(name);
    return names;
}

TEST(SaverEntry, DecodesFourPiecesAndKeepsDefaultsOtherwise)
{
    struct Case { std::string value; int32_t level, duration; bool selected; int32_t order; };
    const Case cases[] = {
        {"1\\10\\1\\0\\", 1, 10, true, 0},
        {"1\\\\1\\0\\", 1, 0, true, 0},          // an empty piece reads 0
        {"1\\10\\1", 2, 15, false, 0},           // three pieces: defaults
        {"x\\y\\1\\3\\", 0, 0, true, 3},
        {" -2\\+30\\0\\7\\9\\", -2, 30, false, 7},
        {"", 2, 15, false, 0},
        {"4\\5\\2\\1", 4, 5, true, 1},           // no final backslash, four pieces
        {"1\\10\\-1\\0\\", 1, 10, true, 0},       // any number but 0 is selected
    };
    for (const Case& c : cases) {
        CSaverEntry entry("Clock");
        entry.DecodeEntry(c.value);
        EXPECT_EQ(c.level, entry.GetLevel()) << c.value;
        EXPECT_EQ(c.duration, entry.GetDuration()) << c.value;
        EXPECT_EQ(c.selected, entry.IsSelected()) << c.value;
        EXPECT_EQ(c.order, entry.GetOrder()) << c.value;
    }
}

TEST(SaverEntry, EncodesFourNumbersEachWithABackslash)
{
    CSaverEntry entry("Clock");
    EXPECT_EQ("2\\15\\0\\0\\", entry.EncodeEntry());
    entry.SetLevel(1);
    entry.SetDuration(10);
    entry.SetSelected(true);
    entry.SetOrder(-3);
    EXPECT_EQ("1\\10\\1\\-3\\", entry.EncodeEntry());
}

TEST(SaverEntry, WeighsAnyLevel)
{
    const std::pair<int32_t, int64_t> weights[] = {{0, 25}, {1, 16}, {2, 9}, {3, 4}, {4, 1}, {5, 0}, {6, 1},
                                                   {-1, 36}, {INT32_MIN, 4611686039902224409LL}};
    for (auto [level, weight] : weights) {
        CSaverEntry entry("x");
        entry.SetLevel(level);
        EXPECT_EQ(weight, entry.Weight()) << level;
    }
}

struct CollectionTest : ::testing::Test {
    FakeProfileFile file;
    FakeUninstallState uninstall;
};

TEST_F(CollectionTest, WalksEntriesInByteOrder)
{
    CCollection collection("Default", file, uninstall);
    collection.FindOrAdd("apple");
    collection.FindOrAdd("Zebra");
    collection.FindOrAdd("Clock2");
    collection.FindOrAdd("Clock");
    collection.FindOrAdd("\xE9t\xE9");   // bytes above 127 sort last
    EXPECT_EQ((Names{"Clock", "Clock2", "Zebra", "apple", "\xE9t\xE9"}), NamesOf(collection));
}

TEST_F(CollectionTest, FindOrAddMatchesLetterCaseExactlyAndLeavesTheLoadedCounts)
{
    file.SetText("[Default]\r\nClock=0\\15\\1\\0\\\r\n");
    CCollection collection("Default", file, uninstall);
    collection.Load(false);
    CSaverEntry& clock = collection.FindOrAdd("Clock");
    EXPECT_TRUE(clock.IsSelected());
    CSaverEntry& lower = collection.FindOrAdd("clock");
    EXPECT_NE(&clock, &lower);
    EXPECT_EQ(2, lower.GetLevel());
    EXPECT_EQ(15, lower.GetDuration());
    EXPECT_FALSE(lower.IsSelected());
    EXPECT_EQ(1, collection.GetCount());
    EXPECT_EQ(25.0f, collection.GetTotalWeight());
}

TEST_F(CollectionTest, CopiesLevelAndDurationToEveryEntry)
{
    CCollection collection("Default", file, uninstall);
    CSaverEntry& source = collection.FindOrAdd("Clock");
    source.SetLevel(4);
    source.SetDuration(3);
    source.SetSelected(true);
    collection.FindOrAdd("Bubbles").SetAvailable(false);
    collection.FindOrAdd("Aquarium").SetSelected(false);
    collection.CopyLevelAndDuration(source);
    for (const auto& [name, entry] : collection.GetEntries()) {
        EXPECT_EQ(4, entry.GetLevel()) << name;
        EXPECT_EQ(3, entry.GetDuration()) << name;
    }
    collection.ClearSelection();
    EXPECT_FALSE(collection.GetEntries().at("Clock").IsSelected());
}

TEST_F(CollectionTest, LoadKeepsScreenSaversOnlyAndCountsWhatItKept)
{
    file.SetText("[Night]\r\n"
                 "Aquarium=0\\15\\1\\0\\\r\n"
                 "Bubbles=2\\15\\0\\0\\\r\n"
                 "Clock=4\\10\\1\\1\\\r\n"
                 "TombolixExtra=1\\1\\1\\1\\\r\n"
                 "Empty=\r\n"
                 "TombolixCycle=1\r\n"
                 "TombolixNextToUse=2\r\n");
    CCollection session("night", file, uninstall);
    session.Load(false);
    EXPECT_EQ((Names{"Aquarium", "Clock"}), NamesOf(session));
    EXPECT_EQ(2, session.GetCount());
    EXPECT_EQ(26.0f, session.GetTotalWeight());
    EXPECT_TRUE(session.GetCycle());
    EXPECT_EQ(2, session.GetNextToUse());

    CCollection page("Night", file, uninstall);
    page.Load(true);
    EXPECT_EQ((Names{"Aquarium", "Bubbles", "Clock"}), NamesOf(page));
    EXPECT_EQ(3, page.GetCount());
    EXPECT_EQ(35.0f, page.GetTotalWeight());
}

TEST_F(CollectionTest, AMissingSectionLoadsEmptyWithDefaults)
{
    CCollection collection("Nowhere", file, uninstall);
    collection.Load(true);
    EXPECT_TRUE(collection.GetEntries().empty());
    EXPECT_EQ(0, collection.GetCount());
    EXPECT_FALSE(collection.GetCycle());
    EXPECT_EQ(0, collection.GetNextToUse());
}

TEST_F(CollectionTest, SaveWritesAvailableEntriesAndKeepsForeignKeys)
{
    file.SetText("[Default]\r\n"
                 "Gone=1\\1\\1\\0\\\r\n"
                 "TombolixExtra=1\\1\\1\\1\\\r\n"
                 "Empty=\r\n"
                 "Bubbles=3\\5\\1\\0\\\r\n");
    CCollection collection("Default", file, uninstall);
    collection.Load(true);
    collection.FindOrAdd("Bubbles").SetAvailable(true);
    collection.FindOrAdd("Bubbles").SetSelected(false);
    collection.FindOrAdd("Aquarium").SetAvailable(true);
    collection.SetCycle(true);
    collection.Save();
    EXPECT_EQ("[Default]\r\n"
              "TombolixExtra=1\\1\\1\\1\\\r\n"
              "Empty=\r\n"
              "Bubbles=3\\5\\0\\0\\\r\n"
              "Aquarium=2\\15\\0\\0\\\r\n"
              "TombolixCycle=1\r\n"
              "TombolixNextToUse=0\r\n",
              file.Text());
}

TEST_F(CollectionTest, WritesNothingOnceUninstallWasRequested)
{
    const std::string text = "[Default]\r\nClock=1\\1\\1\\0\\\r\n";
    file.SetText(text);
    CCollection collection("Default", file, uninstall);
    collection.Load(true);
    collection.FindOrAdd("Clock").SetAvailable(true);
    collection.FindOrAdd("Clock").SetLevel(4);
    collection.Save();   // not requested yet: written
    const std::string saved = "[Default]\r\nClock=4\\1\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n";
    EXPECT_EQ(saved, file.Text());

    uninstall.requested = true;
    collection.FindOrAdd("Clock").SetLevel(0);
    collection.Save();
    collection.DeleteFromFile();
    EXPECT_EQ(saved, file.Text());
}

TEST_F(CollectionTest, EntriesLeftAloneKeepTheirKeysThroughASave)
{
    file.SetText("[Default]\r\nAway=1\\5\\1\\0\\\r\nHere=2\\15\\1\\1\\\r\nGone=2\\15\\0\\0\\\r\n");
    CCollection collection("Default", file, uninstall);
    collection.Load(true);
    collection.FindOrAdd("Here").SetAvailable(true);
    collection.LeaveUnavailableEntriesAlone();
    EXPECT_EQ((Names{"Here"}), NamesOf(collection));
    collection.ClearSelection();
    collection.Save();
    EXPECT_EQ("[Default]\r\nAway=1\\5\\1\\0\\\r\nHere=2\\15\\0\\1\\\r\nGone=2\\15\\0\\0\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              file.Text());
}

TEST_F(CollectionTest, AFoundNameInOtherLetterCaseSurvivesTheRemovalOfTheUnfoundOne)
{
    file.SetText("[Default]\r\nclock=1\\10\\1\\0\\\r\n");
    CCollection collection("Default", file, uninstall);
    collection.Load(true);
    collection.FindOrAdd("Clock").SetAvailable(true);
    collection.Save();
    EXPECT_EQ("[Default]\r\nClock=2\\15\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n", file.Text());
}

TEST_F(CollectionTest, DeletesItsSectionOrOneKey)
{
    file.SetText("[A]\r\nClock=1\\1\\1\\0\\\r\nBubbles=1\\1\\1\\1\\\r\n[B]\r\nx=1\r\n[TombolixInternal]\r\nFolders=\r\n");
    CCollection a("a", file, uninstall);
    a.Load(true);
    a.ForgetEntry(a.FindOrAdd("clock"));
    EXPECT_EQ("[A]\r\nBubbles=1\\1\\1\\1\\\r\n[B]\r\nx=1\r\n[TombolixInternal]\r\nFolders=\r\n", file.Text());
    EXPECT_EQ((Names{"A", "B"}), ListCollectionNames(file));
    a.DeleteFromFile();
    EXPECT_EQ((Names{"B"}), ListCollectionNames(file));
}

}  // namespace
