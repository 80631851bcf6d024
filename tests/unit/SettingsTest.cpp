#include "collections/Settings.h"

#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSettingsStore.h"

#include "SettingsDefaults.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Texts = std::vector<std::string>;

struct SettingsTest : ::testing::Test {
    FakeSettingsStore store;
    FakeProfileFile collectionsFile;
};

TEST_F(SettingsTest, AFreshUserReadsTheDefaults)
{
    CSettings settings(store, collectionsFile);
    ExpectDefaultSettings(settings, store);
}

TEST_F(SettingsTest, ReadsInItsOrderAndNeverReadsAutoStart)
{
    store.values["Config\\AutoStart"] = 0;
    store.values["Config\\UseTray"] = 0;
    store.values["Config\\BlankerName"] = std::string("Starfield");
    store.values["Config\\BlankerMinutes"] = std::string("7");   // wrong type: default
    store.values["Config\\SaverPerMonitor"] = 0;
    CSettings settings(store, collectionsFile);
    // In the order of the writes: one table says both.
    EXPECT_EQ((Texts{"InstallFolder", "UseTray", "ShowToolTips", "UseBlanker", "BlankerMinutes", "BlankerName",
                     "PasswordOverride", "SaverPerMonitor", "FollowSchedule", "NoImmediateRepeat"}),
              store.reads);
    EXPECT_TRUE(settings.Values().autoStart);
    EXPECT_FALSE(settings.Values().useTray);
    EXPECT_EQ("Starfield", settings.Values().blankerName);
    EXPECT_EQ(120, settings.Values().blankerMinutes);
    EXPECT_FALSE(settings.Values().saverPerMonitor);
}

TEST_F(SettingsTest, ApplyWritesOnlyTheValuesTheSheetChangedInTheirOrder)
{
    CSettings settings(store, collectionsFile);
    ProgramOptions original = settings.Values();
    ProgramOptions edited = original;
    edited.autoStart = false;
    edited.useBlanker = true;
    edited.blankerMinutes = 30;
    edited.blankerName = "Night";
    edited.saverPerMonitor = false;
    // Meanwhile another sheet switches the tips off and the tray on.
    store.values["Config\\ShowToolTips"] = 0;
    store.values["Config\\UseTray"] = 1;
    EXPECT_FALSE(settings.Apply(original, edited).Any());
    EXPECT_EQ((Texts{"AutoStart=0", "UseBlanker=1", "BlankerMinutes=30", "BlankerName=Night", "SaverPerMonitor=0"}),
              store.writes);
    EXPECT_FALSE(settings.Values().saverPerMonitor);
    EXPECT_FALSE(settings.Values().showToolTips);   // the other sheet's value stays, here too
    EXPECT_TRUE(settings.Values().useBlanker);
    EXPECT_EQ("", collectionsFile.Text());       // the folders were not changed

    store.failWrites = true;
    edited.useTray = false;
    StoreFailures failed = settings.Apply(original, edited);
    EXPECT_TRUE(failed.settingsStore);
    EXPECT_FALSE(failed.collectionsFile);
}

TEST_F(SettingsTest, OneRefusedValueAmongSeveralIsReportedAndTheOthersAreStillWritten)
{
    const Texts allWrites{"UseTray=0",         "AutoStart=0",       "ShowToolTips=0",    "UseBlanker=1",
                          "BlankerMinutes=30", "BlankerName=Night", "PasswordOverride=1", "SaverPerMonitor=0"};
    for (const std::string& refused : allWrites) {
        FakeSettingsStore oneLocked;
        oneLocked.refusedEntry = refused.substr(0, refused.find('='));
        CSettings settings(oneLocked, collectionsFile);
        ProgramOptions original = settings.Values();
        ProgramOptions edited = original;
        edited.useTray = edited.autoStart = edited.showToolTips = false;
        edited.useBlanker = edited.passwordOverride = true;
        edited.saverPerMonitor = false;
        edited.blankerMinutes = 30;
        edited.blankerName = "Night";

        StoreFailures failed = settings.Apply(original, edited);
        EXPECT_TRUE(failed.settingsStore) << refused;
        EXPECT_FALSE(failed.collectionsFile) << refused;
        Texts written = allWrites;
        written.erase(std::find(written.begin(), written.end(), refused));
        EXPECT_EQ(written, oneLocked.writes) << refused;
    }
}

TEST_F(SettingsTest, FoldersAreReadFromTheCollectionsFile)
{
    struct Case { std::string value; Texts folders; };
    const Case cases[] = {
        {"D:\\Savers*E:\\More*", {"D:\\Savers", "E:\\More"}},
        {"D:\\Savers*E:\\More", {"D:\\Savers", "E:\\More"}},
        {"D:\\Savers**E:\\More*", {"D:\\Savers", "", "E:\\More"}},
        {"**", {"", ""}},
        {"", {}},
    };
    for (const Case& c : cases) {
        FakeProfileFile file;
        file.WriteString("TombolixInternal", "Folders", c.value);
        CSettings settings(store, file);
        EXPECT_EQ(c.folders, settings.Values().folders) << c.value;
    }
}

TEST_F(SettingsTest, FoldersAddedAndRemovedJoinTheListStoredMeanwhile)
{
    collectionsFile.WriteString("TombolixInternal", "Folders", "D:\\Savers*F:\\Gone*");
    CSettings settings(store, collectionsFile);
    ProgramOptions original = settings.Values();
    ProgramOptions edited = original;
    edited.folders = {"D:\\Savers", "G:\\New"};
    // Another sheet added a folder of its own, and so did this one.
    collectionsFile.WriteString("TombolixInternal", "Folders", "D:\\Savers*F:\\Gone*H:\\Theirs*G:\\New*");
    EXPECT_FALSE(settings.Apply(original, edited).Any());
    EXPECT_EQ("[TombolixInternal]\r\nFolders=D:\\Savers*H:\\Theirs*G:\\New*\r\n", collectionsFile.Text());

    original = settings.Values();
    edited.folders.clear();
    collectionsFile.WriteString("TombolixInternal", "Folders", "D:\\Savers*H:\\Theirs*G:\\New*I:\\Late*");
    collectionsFile.failWrites = true;
    EXPECT_TRUE(settings.Apply(original, edited).collectionsFile);
    collectionsFile.failWrites = false;
    EXPECT_FALSE(settings.Apply(original, edited).Any());
    EXPECT_EQ("[TombolixInternal]\r\nFolders=I:\\Late*\r\n", collectionsFile.Text());
}

TEST_F(SettingsTest, RemovingEverythingClearsTheStoreAndTheFile)
{
    CSettings settings(store, collectionsFile);
    WriteCurrentName(store, "Night");
    collectionsFile.WriteString("TombolixInternal", "Folders", "");
    EXPECT_FALSE(settings.RemoveAllStoredSettings().Any());
    EXPECT_EQ(1, store.removals);
    EXPECT_FALSE(collectionsFile.Exists());
    EXPECT_EQ("Default", ReadCurrentName(store));
}

}  // namespace
