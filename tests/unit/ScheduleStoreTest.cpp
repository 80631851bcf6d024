// What a settings sheet stores of the schedule at OK.
#include "collections/StoredState.h"

#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSettingsStore.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct FreeLock : IFileLock {
    bool Lock() override { return true; }
    void Unlock() override {}
};

struct ScheduleStore : ::testing::Test {
    FakeSettingsStore store;
    FakeProfileFile file;
    FreeLock lock;
    CStoredState state{store, file, lock};
};

TEST_F(ScheduleStore, TheSheetShowsTheFileAndWritesOnlyAChangedSchedule)
{
    file.SetText("[Day]\r\nSun=2\\15\\1\\0\\\r\n[Night]\r\nStars=2\\15\\1\\0\\\r\n[TombolixInternal]\r\n"
                 "Folders=D:\\Savers*\r\nScheduleRule1=127,1260,420,night\r\nScheduleRule2=65,0,0,Gone\r\n");
    std::unique_ptr<CSheetEdits> plain = state.BeginEdits(), editing = state.BeginEdits();
    EXPECT_EQ((Texts{"Day", "Night"}), plain->CollectionNames());
    ASSERT_EQ(2u, editing->schedule.size());
    EXPECT_EQ("night", editing->schedule[0].collection);

    // Deleted in the sheet, a collection takes the rules that name it, in
    // any letter case; one made again comes back to the list.
    EXPECT_EQ((std::vector<size_t>{1}), editing->DeleteCollection("Night"));
    EXPECT_EQ((Texts{"Day"}), editing->CollectionNames());
    editing->AddCollection(std::make_unique<CCollection>("Night", file));
    EXPECT_EQ((Texts{"Day", "Night"}), editing->CollectionNames());
    editing->DeleteCollection("Night");
    editing->schedule.push_back({"Day", 0x3E, 9 * 60, 17 * 60});
    ASSERT_FALSE(state.Commit(*editing).failed.Any());
    EXPECT_EQ("[Day]\r\nSun=2\\15\\1\\0\\\r\n[TombolixInternal]\r\nFolders=D:\\Savers*\r\n"
              "ScheduleRule1=65,0,0,Gone\r\nScheduleRule2=62,540,1020,Day\r\n",
              file.Text());

    // A sheet that left the schedule alone keeps what the other stored.
    plain->edited.followSchedule = true;
    ASSERT_FALSE(state.Commit(*plain).failed.Any());
    EXPECT_EQ(2u, ReadSchedule(file).size());
    EXPECT_EQ(1, store.ReadInt("Config", "FollowSchedule", 0));

    // Every rule removed: every key goes.
    std::unique_ptr<CSheetEdits> clearing = state.BeginEdits();
    clearing->schedule.clear();
    ASSERT_FALSE(state.Commit(*clearing).failed.Any());
    EXPECT_EQ("[Day]\r\nSun=2\\15\\1\\0\\\r\n[TombolixInternal]\r\nFolders=D:\\Savers*\r\n", file.Text());
}

TEST_F(ScheduleStore, AFileReplacedUnderTheSheetGetsTheScheduleItShows)
{
    file.SetText("[Day]\r\nSun=2\\15\\1\\0\\\r\n[TombolixInternal]\r\nScheduleRule1=127,0,0,Day\r\n");
    std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
    file.ReplaceWith("[Other]\r\nMoon=2\\15\\1\\0\\\r\n");
    ASSERT_TRUE(state.Commit(*edits).fileWasReplaced);
    EXPECT_EQ("127,0,0,Day", file.ReadString("TombolixInternal", "ScheduleRule1", ""));
}

}  // namespace
