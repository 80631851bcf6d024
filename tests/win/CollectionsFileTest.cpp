// Collections, the import and the file finder against the real profile
// functions, folders and list boxes.
#include "base/Random.h"
#include "collections/Collection.h"
#include "collections/FileFinder.h"
#include "collections/OlderFileImport.h"
#include "collections/Settings.h"
#include "os/PrivateProfileFile.h"
#include "os/Win32FileSystem.h"

#include "WinTestSupport.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

struct CollectionsFile : ::testing::Test {
    CPrivateProfileFile file{"Tombolix2.ini"};
    std::string path = wintest::WindowsFolder() + "\\Tombolix2.ini";

    void SetUp() override { file.Remove(); }
    void TearDown() override { file.Remove(); }

    // Writes the file behind the profile functions' back.
    void Replace(const std::string& bytes)
    {
        file.Remove();
        wintest::WriteFileBytes(path, bytes);
    }
};

TEST_F(CollectionsFile, TheCollectionsPageSaveGivesTheDocumentedFile)
{
    CCollection collection("Default", file);
    collection.Load(true);
    for (const char* name : {"Clock", "Aquarium", "Bubbles"}) collection.FindOrAdd(name).SetAvailable(true);
    collection.ClearSelection();
    collection.SetNextToUse(0);
    collection.SetCycle(true);
    const char* selected[] = {"Clock", "Aquarium"};
    for (int i = 0; i < 2; ++i) {
        CSaverEntry& entry = collection.FindOrAdd(selected[i]);
        entry.SetSelected(true);
        entry.SetOrder(i);
    }
    collection.FindOrAdd("Clock").SetLevel(1);
    collection.FindOrAdd("Clock").SetDuration(10);
    collection.Save();

    FakeSettingsStore store;
    CSettings settings(store, file);
    ProgramOptions edited;
    edited.folders = {"D:\\Savers"};
    settings.Apply(ProgramOptions(), edited);

    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
    EXPECT_EQ("[Default]\r\n"
              "Aquarium=2\\15\\1\\1\\\r\n"
              "Bubbles=2\\15\\0\\0\\\r\n"
              "Clock=1\\10\\1\\0\\\r\n"
              "TombolixCycle=1\r\n"
              "TombolixNextToUse=0\r\n"
              "[TombolixInternal]\r\n"
              "Folders=D:\\Savers*\r\n",
              wintest::ReadFileBytes(path));

    CRandom random(1);
    CCollection session("Default", file);
    session.Load(false);
    EXPECT_EQ("Clock", session.ChooseNext(random)->GetName());
    EXPECT_EQ(1, GetPrivateProfileIntA("Default", "TombolixNextToUse", -1, "Tombolix2.ini"));
}

TEST_F(CollectionsFile, SaveKeepsForeignKeysAndAppendsNewCollections)
{
    Replace("[Default]\r\nTombolixExtra=1\\1\\1\\1\\\r\nBlank=\r\nOld=1\\1\\1\\0\\\r\n[TombolixInternal]\r\nFolders=\r\n");
    CCollection existing("Default", file);
    existing.Load(true);
    EXPECT_EQ(1u, existing.GetEntries().size());
    existing.FindOrAdd("New").SetAvailable(true);
    existing.Save();

    CCollection night("Night", file);
    night.FindOrAdd("Stars").SetAvailable(true);
    night.Save();

    EXPECT_EQ((Names{"Default", "Night"}), ListCollectionNames(file));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
    EXPECT_EQ("[Default]\r\nTombolixExtra=1\\1\\1\\1\\\r\nBlank=\r\nNew=2\\15\\0\\0\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\n"
              "[TombolixInternal]\r\nFolders=\r\n"
              "[Night]\r\nStars=2\\15\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              wintest::ReadFileBytes(path));
}

// Screen-saver files in the system and Windows folders for one test.
struct SaverFiles : ::testing::Test {
    std::vector<std::string> created;

    void Create(const std::string& path)
    {
        wintest::WriteFileBytes(path, "");
        created.push_back(path);
    }
    void CreateFolder(const std::string& path)
    {
        CreateDirectoryA(path.c_str(), nullptr);
        created.push_back(path);
    }
    void TearDown() override
    {
        for (const std::string& path : created) {
            DeleteFileA(path.c_str());
            RemoveDirectoryA(path.c_str());
        }
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix.ini");
        DeleteFileA((wintest::WindowsFolder() + "\\Tombolix.ini").c_str());
        CPrivateProfileFile("Tombolix2.ini").Remove();
    }
};

TEST_F(SaverFiles, TheImportTakesTheLetterCaseOfTheSystemFolder)
{
    CWin32FileSystem disk;
    CPrivateProfileFile older("Tombolix.ini");
    CPrivateProfileFile current("Tombolix2.ini");
    older.WriteString("Default", "clock", "7\\1\\20\\1\\");

    Create(wintest::SystemFolder() + "\\Clock.scr");
    ImportOlderFile(older, current, disk);
    EXPECT_EQ("1\\20\\1\\0\\", current.ReadString("Default", "Clock", ""));
    EXPECT_EQ((Names{"Clock"}), current.ReadKeyNames("Default"));

    current.Remove();
    DeleteFileA(created.back().c_str());
    Create(wintest::SystemFolder() + "\\CLOCK.SCR");
    ImportOlderFile(older, current, disk);
    EXPECT_EQ((Names{"CLOCK.SCR"}), current.ReadKeyNames("Default"));
}

TEST_F(SaverFiles, AreListedOnceUnderTheFirstSpelling)
{
    Create(wintest::WindowsFolder() + "\\Clock.scr");
    Create(wintest::SystemFolder() + "\\CLOCK.scr");
    Create(wintest::SystemFolder() + "\\Aurora.SCR");
    Create(wintest::SystemFolder() + "\\scr");
    CreateFolder(wintest::SystemFolder() + "\\Folder.scr");

    CWin32FileSystem disk;
    CFileFinder windows(disk, wintest::WindowsFolder() + "\\");
    CFileFinder system(disk, wintest::SystemFolder());
    windows.Find("*.scr");
    system.Find("*.scr scr");

    FakeNameList list;
    windows.FillList(list);
    system.FillList(list);
    const Names& items = list.items;

    // Other screen savers of the folders may be listed too.
    auto count = [&](const char* name) { return std::count(items.begin(), items.end(), name); };
    EXPECT_EQ(1, count("Clock"));
    EXPECT_EQ(0, count("CLOCK"));
    EXPECT_EQ(1, count("Aurora"));
    EXPECT_EQ(1, count("Folder"));
    EXPECT_EQ(1, count("scr"));
}

TEST_F(SaverFiles, TheFirstStartImportsTheOlderFileOnce)
{
    wintest::ClearStoredSettings();
    Create(wintest::SystemFolder() + "\\Clock.scr");
    CPrivateProfileFile older("Tombolix.ini");
    older.WriteString("Default", "clock", "7\\1\\20\\1\\");
    CPrivateProfileFile current("Tombolix2.ini");
    auto runStart = [] {
        EXPECT_TRUE(wintest::RunStartBesideASession(std::chrono::seconds(10)));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
    };

    runStart();
    EXPECT_EQ("1\\20\\1\\0\\", current.ReadString("Default", "Clock", ""));

    current.Remove();
    runStart();   // not the first start any more
    EXPECT_TRUE(current.ReadSectionNames().empty());

    wintest::ClearStoredSettings();
    runStart();   // after removing the stored settings it is again
    EXPECT_EQ("1\\20\\1\\0\\", current.ReadString("Default", "Clock", ""));
    wintest::ClearStoredSettings();
}

}  // namespace
