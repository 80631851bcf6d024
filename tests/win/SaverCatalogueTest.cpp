// The sheet's catalogue of screen savers: the extra folders searched at
// every search, each name once under the first folder's spelling, only names
// a collection can hold, and each change told to the pages that watch.
#include "config/SaverCatalogue.h"
#include "os/Win32FileSystem.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct SaverFolders : ::testing::Test {
    const std::string first = wintest::WindowsFolder() + "\\TombolixCatalogueA";
    const std::string second = wintest::WindowsFolder() + "\\TombolixCatalogueB";
    const std::string away = "Q:\\NoSuchDrive";
    std::vector<std::string> files;

    void SetUp() override
    {
        CreateDirectoryA(first.c_str(), nullptr);
        CreateDirectoryA(second.c_str(), nullptr);
        for (const std::string& path : {first + "\\Clock.scr", second + "\\CLOCK.scr", second + "\\Stars.scr",
                                        second + "\\Tombolix2.scr", second + "\\Notes.txt"}) {
            wintest::WriteFileBytes(path, "");
            files.push_back(path);
        }
    }
    void TearDown() override
    {
        for (const std::string& path : files) DeleteFileA(path.c_str());
        RemoveDirectoryA(first.c_str());
        RemoveDirectoryA(second.c_str());
    }
};

size_t CountOf(const std::vector<std::string>& names, const std::string& name)
{
    return static_cast<size_t>(std::count(names.begin(), names.end(), name));
}

struct Watcher : ICatalogueWatcher {
    std::vector<CatalogueChange> changes;
    void OnCatalogueChanged(const CatalogueChange& change) override { changes.push_back(change); }
};

TEST_F(SaverFolders, EachNameOnceUnderTheFirstSpellingAndTheExtraFoldersSearchedEachTime)
{
    CWin32FileSystem fileSystem;
    CSaverCatalogue catalogue(fileSystem);
    Watcher watcher;
    catalogue.Watch(watcher);
    catalogue.Search({first, second});
    std::vector<std::string> names = catalogue.Names();
    EXPECT_EQ(1u, CountOf(names, "Clock"));
    EXPECT_EQ(0u, CountOf(names, "CLOCK"));
    EXPECT_EQ(1u, CountOf(names, "Stars"));
    EXPECT_EQ(0u, CountOf(names, "Tombolix2"));   // the program's own
    EXPECT_EQ(0u, CountOf(names, "Notes"));
    EXPECT_TRUE(catalogue.EveryFolderSearched());
    ASSERT_EQ(1u, watcher.changes.size());
    EXPECT_TRUE(watcher.changes[0].searched);

    // A file gone since is gone; a folder out of reach is said to be.
    DeleteFileA((second + "\\Stars.scr").c_str());
    catalogue.Search({second, away});
    names = catalogue.Names();
    EXPECT_EQ(1u, CountOf(names, "CLOCK"));
    EXPECT_EQ(0u, CountOf(names, "Stars"));
    EXPECT_FALSE(catalogue.EveryFolderSearched());
}

TEST_F(SaverFolders, AFolderAddsTheNamesNotKnownAndTakesAwayAllOfItsOwn)
{
    CWin32FileSystem fileSystem;
    CSaverCatalogue catalogue(fileSystem);
    catalogue.Search({first});
    Watcher watcher;
    catalogue.Watch(watcher);
    CFileFinder finder(fileSystem, second);
    finder.Find("*.scr");

    catalogue.AddFolder(finder);
    ASSERT_EQ(1u, watcher.changes.size());
    EXPECT_EQ(std::vector<std::string>{"Stars"}, watcher.changes[0].added);
    EXPECT_EQ(1u, CountOf(catalogue.Names(), "Stars"));
    catalogue.AddFolder(finder);   // nothing new: nobody is told
    EXPECT_EQ(1u, watcher.changes.size());

    catalogue.RemoveFolder(finder);
    ASSERT_EQ(2u, watcher.changes.size());
    std::vector<std::string> removed = watcher.changes[1].removed;
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ((std::vector<std::string>{"CLOCK", "Stars"}), removed);
    EXPECT_EQ(0u, CountOf(catalogue.Names(), "Clock"));
    EXPECT_EQ(0u, CountOf(catalogue.Names(), "Stars"));
}

}  // namespace
