#include "collections/Settings.h"

#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSettingsStore.h"

#include "SettingsDefaults.h"

#include <gtest/gtest.h>

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
    CSettings settings(store, collectionsFile);
    EXPECT_EQ((Texts{"InstallFolder", "UseTray", "ShowToolTips", "UseBlanker", "PasswordOverride",
                     "BlankerMinutes", "BlankerName"}),
              store.reads);
    EXPECT_TRUE(settings.GetAutoStart());
    EXPECT_FALSE(settings.GetUseTray());
    EXPECT_EQ("Starfield", settings.GetBlankerName());
    EXPECT_EQ(120, settings.GetBlankerMinutes());
}

TEST_F(SettingsTest, WritesEachGroupInItsOrder)
{
    CSettings settings(store, collectionsFile);
    settings.SetAutoStart(false);
    settings.WriteTraySettings();
    EXPECT_EQ((Texts{"UseTray=1", "AutoStart=0"}), store.writes);

    store.writes.clear();
    settings.SetUseBlanker(true);
    settings.SetBlankerMinutes(30);
    settings.SetBlankerName("Night");
    settings.SetShowToolTips(false);
    settings.WriteOptions();
    EXPECT_EQ((Texts{"ShowToolTips=0", "UseBlanker=1", "BlankerMinutes=30", "BlankerName=Night",
                     "PasswordOverride=0"}),
              store.writes);
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
        EXPECT_EQ(c.folders, settings.GetFolders()) << c.value;
    }
}

TEST_F(SettingsTest, FoldersAreWrittenEachWithItsStar)
{
    CSettings settings(store, collectionsFile);
    settings.AddFolder("D:\\Savers");
    settings.AddFolder("E:\\More");
    settings.AddFolder("F:\\Gone");
    settings.RemoveFolder(2);
    settings.RemoveFolder(2);   // one past the end
    settings.RemoveFolder(9);
    settings.WriteFolders();
    EXPECT_EQ("[TombolixInternal]\r\nFolders=D:\\Savers*E:\\More*\r\n", collectionsFile.Text());

    settings.RemoveFolder(0);
    settings.RemoveFolder(0);
    settings.WriteFolders();
    // An empty list stays as an empty value, not a removed key.
    EXPECT_EQ("[TombolixInternal]\r\nFolders=\r\n", collectionsFile.Text());
}

TEST_F(SettingsTest, RemovingEverythingClearsTheStoreAndTheFile)
{
    CSettings settings(store, collectionsFile);
    WriteCurrentName(store, "Night");
    settings.WriteFolders();
    settings.RemoveAllStoredSettings();
    EXPECT_EQ(1, store.removals);
    EXPECT_FALSE(collectionsFile.Exists());
    EXPECT_EQ("Default", ReadCurrentName(store));
}

}  // namespace
