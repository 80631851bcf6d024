// The sheet's catalogue of screen savers: every folder searched once, each
// name once under the first folder's spelling, and only names a collection
// can hold.
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

TEST_F(SaverFolders, EachNameOnceUnderTheFirstSpellingAndEachFolderSearchedOnce)
{
    CWin32FileSystem fileSystem;
    CSaverCatalogue catalogue(fileSystem);
    std::vector<std::string> names = catalogue.Names({first, second});
    EXPECT_EQ(1u, CountOf(names, "Clock"));
    EXPECT_EQ(0u, CountOf(names, "CLOCK"));
    EXPECT_EQ(1u, CountOf(names, "Stars"));
    EXPECT_EQ(0u, CountOf(names, "Tombolix2"));   // the program's own
    EXPECT_EQ(0u, CountOf(names, "Notes"));
    EXPECT_TRUE(catalogue.EveryFolderSearched());

    // Found once per sheet: a file gone since is still offered, and a folder
    // given up leaves its names out without a new search.
    DeleteFileA((second + "\\Stars.scr").c_str());
    EXPECT_EQ(1u, CountOf(catalogue.Names({first, second}), "Stars"));
    names = catalogue.Names({second, away});
    EXPECT_EQ(1u, CountOf(names, "CLOCK"));
    EXPECT_EQ(1u, CountOf(names, "Stars"));
    EXPECT_FALSE(catalogue.EveryFolderSearched());
}

}  // namespace
