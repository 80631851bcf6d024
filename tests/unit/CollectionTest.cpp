#include "collections/Collection.h"

#include "fakes/FakeProfileFile.h"

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
};

TEST_F(CollectionTest, WalksEntriesInByteOrder)
{
    CCollection collection("Default", file);
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
    CCollection collection("Default", file);
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
    CCollection collection("Default", file);
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
    CCollection session("night", file);
    session.Load(false);
    EXPECT_EQ((Names{"Aquarium", "Clock"}), NamesOf(session));
    EXPECT_EQ(2, session.GetCount());
    EXPECT_EQ(26.0f, session.GetTotalWeight());
    EXPECT_TRUE(session.GetCycle());
    EXPECT_EQ(2, session.GetNextToUse());

    CCollection page("Night", file);
    page.Load(true);
    EXPECT_EQ((Names{"Aquarium", "Bubbles", "Clock"}), NamesOf(page));
    EXPECT_EQ(3, page.GetCount());
    EXPECT_EQ(35.0f, page.GetTotalWeight());
}

TEST_F(CollectionTest, AMissingSectionLoadsEmptyWithDefaults)
{
    CCollection collection("Nowhere", file);
    collection.Load(true);
    EXPECT_TRUE(collection.GetEntries().empty());
    EXPECT_EQ(0, collection.GetCount());
    EXPECT_FALSE(collection.GetCycle());
    EXPECT_EQ(0, collection.GetNextToUse());
}

TEST_F(CollectionTest, SaveWritesAvailableEntriesAndKeepsForeignKeys)
{
    // Lines that are no screen saver's: a value of another form, a name no
    // file can have, the program's own word in any letter case.
    const std::string foreign = "MyNote=hello\r\n" + std::string(10000, 'k') + "=1\\1\\1\\0\\\r\n" +
                                "TOMBOLIX2=1\\1\\1\\0\\\r\n";
    file.SetText("[Default]\r\n"
                 "Gone=1\\1\\1\\0\\\r\n"
                 "TombolixExtra=1\\1\\1\\1\\\r\n"
                 "Empty=\r\n" + foreign +
                 "Bubbles=3\\5\\1\\0\\\r\n");
    CCollection collection("Default", file);
    collection.Load(true);
    collection.FindOrAdd("Bubbles").SetAvailable(true);
    collection.FindOrAdd("Bubbles").SetSelected(false);
    collection.FindOrAdd("Aquarium").SetAvailable(true);
    collection.SetCycle(true);
    collection.Save();
    EXPECT_EQ("[Default]\r\n"
              "TombolixExtra=1\\1\\1\\1\\\r\n"
              "Empty=\r\n" + foreign +
              "Bubbles=3\\5\\0\\0\\\r\n"
              "Aquarium=2\\15\\0\\0\\\r\n"
              "TombolixCycle=1\r\n"
              "TombolixNextToUse=0\r\n",
              file.Text());
}

TEST_F(CollectionTest, SaveWritesOnlyWhatChangedAndSaysWhenTheFileRefuses)
{
    file.SetText("[Default]\r\nClock=1\\1\\1\\0\\\r\nBubbles=2\\15\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=3\r\n");
    CCollection collection("Default", file);
    collection.Load(true);
    collection.MarkFound("Clock");
    collection.MarkFound("Bubbles");
    EXPECT_TRUE(collection.Save());
    EXPECT_EQ(0, file.writeCount);   // opened and confirmed: nothing to write

    // Another program moves the position on and changes Bubbles meanwhile.
    file.WriteString("Default", "TombolixNextToUse", "4");
    file.WriteString("Default", "Bubbles", "0\\1\\0\\0\\");
    collection.FindOrAdd("Clock").SetLevel(4);
    file.failWrites = true;
    EXPECT_FALSE(collection.Save());
    file.failWrites = false;
    EXPECT_TRUE(collection.Save());   // the refused change is written at the next try
    EXPECT_EQ("[Default]\r\nClock=4\\1\\1\\0\\\r\nBubbles=0\\1\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=4\r\n",
              file.Text());
}

TEST_F(CollectionTest, AnEntryFoundAgainAfterASaveRemovedItsKeyIsWrittenAgain)
{
    file.SetText("[Default]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n");
    CCollection collection("Default", file);
    collection.Load(true);
    EXPECT_TRUE(collection.Save());   // not found: its key goes
    EXPECT_EQ("[Default]\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n", file.Text());

    // Its folder is back before the next save.
    collection.MarkFound("Clock");
    EXPECT_TRUE(collection.Save());
    EXPECT_EQ("[Default]\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\nClock=1\\10\\1\\0\\\r\n", file.Text());
}

// The Folders page may list a screen saver after the Collections page
// searched: selected, it counts as found.
TEST_F(CollectionTest, ANameSelectedBeforeItIsFoundIsWritten)
{
    file.SetText("[Default]\r\nLate=1\\10\\0\\0\\\r\nGone=2\\15\\1\\0\\\r\n");
    CCollection collection("Default", file);
    collection.Load(true);
    collection.SetSelection({"New", "Late"}, false);
    EXPECT_EQ((Names{"New", "Late"}), collection.ListSelectedInOrder());
    EXPECT_TRUE(collection.Save());
    EXPECT_EQ("[Default]\r\nLate=1\\10\\1\\1\\\r\nNew=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              file.Text());
}

TEST_F(CollectionTest, ListsEverySelectedFoundEntryWhateverItsOrderNumbers)
{
    // Gaps, a repeat, numbers beyond the count, a negative one; ties go in
    // file order, not name order.
    file.SetText("[Default]\r\nZulu=2\\15\\1\\7\\\r\nEcho=2\\15\\1\\2\\\r\nAlpha=2\\15\\1\\2\\\r\n"
                 "Minus=2\\15\\1\\-1\\\r\nAway=2\\15\\1\\0\\\r\nOff=2\\15\\0\\1\\\r\nFar=2\\15\\1\\99\\\r\n");
    CCollection collection("Default", file);
    collection.Load(true);
    for (const char* name : {"Zulu", "Echo", "Alpha", "Minus", "Off", "Far"}) collection.MarkFound(name);
    EXPECT_EQ((Names{"Minus", "Echo", "Alpha", "Zulu", "Far"}), collection.ListSelectedInOrder());

    // Confirming the list as shown changes no selection; the entry of the
    // folder that is away keeps its key, selected, after the shown ones.
    collection.KeepUnfoundEntries();
    collection.SetSelection(collection.ListSelectedInOrder(), false);
    EXPECT_TRUE(collection.Save());
    EXPECT_EQ("[Default]\r\nZulu=2\\15\\1\\3\\\r\nEcho=2\\15\\1\\1\\\r\nAlpha=2\\15\\1\\2\\\r\n"
              "Minus=2\\15\\1\\0\\\r\nAway=2\\15\\1\\5\\\r\nOff=2\\15\\0\\1\\\r\nFar=2\\15\\1\\4\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              file.Text());
}

TEST_F(CollectionTest, ConfirmingTheListStartsCyclingAtTheTopOverWhatASessionWrote)
{
    // As loaded; after a session moved on; a list confirmed as it was.
    struct Case { const char* positionLine; const char* sessionWrote; int writes; };
    const Case cases[] = {{"TombolixNextToUse=1\r\n", nullptr, 1},
                          {"TombolixNextToUse=0\r\n", "2", 1},
                          {"TombolixNextToUse=0\r\n", nullptr, 0},
                          {"", nullptr, 1}};
    for (const Case& c : cases) {
        const std::string head = "[Default]\r\nA=2\\15\\1\\0\\\r\nB=2\\15\\1\\1\\\r\nTombolixCycle=1\r\n";
        file.SetText(head + c.positionLine);
        CCollection collection("Default", file);
        collection.Load(true);
        collection.MarkFound("A");
        collection.MarkFound("B");
        if (c.sessionWrote) file.WriteString("Default", "TombolixNextToUse", c.sessionWrote);
        int writesBefore = file.writeCount;
        collection.SetSelection({"A", "B"}, true);
        EXPECT_TRUE(collection.Save());
        EXPECT_EQ(head + "TombolixNextToUse=0\r\n", file.Text()) << c.positionLine;
        EXPECT_EQ(c.writes, file.writeCount - writesBefore) << c.positionLine;
    }
}

TEST_F(CollectionTest, AFoundNameInOtherLetterCaseTakesOverTheEntry)
{
    file.SetText("[Default]\r\nclock=1\\10\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n");
    CCollection collection("Default", file);
    collection.Load(true);
    collection.MarkFound("Clock");
    EXPECT_EQ((Names{"Clock"}), NamesOf(collection));
    EXPECT_EQ((Names{"Clock"}), collection.ListSelectedInOrder());
    EXPECT_TRUE(collection.Save());
    // One key for both spellings: its value stays, and so does the selection.
    EXPECT_EQ("[Default]\r\nclock=1\\10\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n", file.Text());
}

TEST_F(CollectionTest, KeysThatAreNoPlainScreenSaverNameAreNeitherLoadedNorTouched)
{
    const std::string text = "[Default]\r\n..\\..\\Elsewhere\\Hidden=1\\1\\1\\0\\\r\nC:Evil=1\\1\\1\\1\\\r\n"
                             "a/b=1\\1\\1\\2\\\r\nWhat?=1\\1\\1\\3\\\r\nGood=1\\1\\1\\4\\\r\n";
    file.SetText(text);
    CCollection session("Default", file);
    session.Load(false);
    EXPECT_EQ((Names{"Good"}), NamesOf(session));
    session.MarkFound("Good");
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(text + "TombolixCycle=0\r\nTombolixNextToUse=0\r\n", file.Text());
}

TEST_F(CollectionTest, DeletesItsSectionOrOneKey)
{
    file.SetText("[A]\r\nClock=1\\1\\1\\0\\\r\nBubbles=1\\1\\1\\1\\\r\n[B]\r\nx=1\r\n[TombolixInternal]\r\nFolders=\r\n");
    CCollection a("a", file);
    a.Load(true);
    a.ForgetEntry(a.FindOrAdd("clock"));
    EXPECT_EQ("[A]\r\nBubbles=1\\1\\1\\1\\\r\n[B]\r\nx=1\r\n[TombolixInternal]\r\nFolders=\r\n", file.Text());
    EXPECT_EQ((Names{"A", "B"}), ListCollectionNames(file));
    a.DeleteFromFile();
    EXPECT_EQ((Names{"B"}), ListCollectionNames(file));
}

TEST_F(CollectionTest, APlainSaveOfAHandEditedSectionChangesNoLine)
{
    // The profile functions read the first spelling of a key, the cycle flag
    // in any letter case, and a remark as part of the value.
    const std::string text = "[Night]\r\ntombolixcycle=1\r\nALPHA=1\\10\\1\\0\\\r\nClock=0\\5\\1\\1\\ ; the best\r\n"
                             "Alpha=2\\15\\0\\0\\\r\nTombolixNextToUse=01\r\n";
    file.SetText(text);
    CCollection night("Night", file);
    night.Load(true);
    EXPECT_EQ((Names{"ALPHA", "Clock"}), NamesOf(night));
    EXPECT_TRUE(night.GetCycle());
    night.MarkFound("Alpha");   // found on disk in another spelling
    night.MarkFound("Clock");
    EXPECT_EQ((Names{"Alpha", "Clock"}), night.ListSelectedInOrder());
    night.SetSelection(night.ListSelectedInOrder(), night.GetCycle());
    EXPECT_TRUE(night.Save());
    // Only the position: confirming the list starts the cycle again.
    EXPECT_EQ(text.substr(0, text.size() - 4) + "0\r\n", file.Text());
    EXPECT_EQ(1, file.writeCount);

    // A change writes the line that counts, whatever its spelling.
    night.SetSelection({"Clock"}, true);
    EXPECT_TRUE(night.Save());
    EXPECT_EQ("0\\5\\1\\0\\", file.ReadString("Night", "clock", ""));
    EXPECT_EQ("1\\10\\0\\0\\", file.ReadString("Night", "alpha", ""));
    EXPECT_EQ("0", file.ReadString("Night", "TombolixNextToUse", ""));
}

TEST_F(CollectionTest, ANameWrittenTwiceIsOneCollectionAndGoesWhole)
{
    file.SetText("[Night]\r\nA=1\\1\\1\\0\\\r\n[Day]\r\n[night]\r\nB=1\\1\\1\\0\\\r\n[NIGHT]\r\n");
    EXPECT_EQ((Names{"Night", "Day"}), ListCollectionNames(file));
    CCollection night("night", file);
    EXPECT_TRUE(night.DeleteFromFile());
    EXPECT_EQ((Names{"Day"}), ListCollectionNames(file));
}

TEST_F(CollectionTest, SavingEverythingWritesEveryEntryAndBothOwnKeys)
{
    file.SetText("[Night]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n");
    CCollection night("Night", file);
    night.Load(true);
    night.MarkFound("Clock");
    file.Remove();
    EXPECT_TRUE(night.Save(SaveExtent::Everything));
    EXPECT_EQ("[Night]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n", file.Text());
}

}  // namespace
