#include "collections/FileFinder.h"
#include "collections/OlderFileImport.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfileFile.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(FileFinder, SearchesTheFolderWithOneSeparator)
{
    FakeFileSystem disk;
    CFileFinder withSlash(disk, "D:\\Savers\\");
    CFileFinder without(disk, "D:\\Savers");
    withSlash.Find("*.scr");
    without.Find("*.scr *.exe");
    EXPECT_EQ("D:\\Savers", withSlash.GetFolder());
    EXPECT_EQ((Names{"D:\\Savers\\*.scr", "D:\\Savers\\*.scr", "D:\\Savers\\*.exe"}), disk.searched);

    CFileFinder root(disk, "\\");
    root.Find("*.scr");
    EXPECT_EQ("\\*.scr", disk.searched.back());
}

TEST(FileFinder, ListsDisplayNamesOncePerNameWhateverTheLetterCase)
{
    FakeFileSystem disk;
    disk.Add("C:\\WINDOWS", "Clock.scr");
    disk.Add("C:\\WINDOWS", "Abc");          // a sub-folder named like a pattern match is listed too
    disk.Add("C:\\WINDOWS\\SYSTEM", "CLOCK.scr");
    disk.Add("C:\\WINDOWS\\SYSTEM", "Bubbles.SCR");
    disk.Add("C:\\WINDOWS\\SYSTEM", "x.s");
    disk.Add("C:\\WINDOWS\\SYSTEM", "notes.txt");

    CFileFinder windows(disk, "C:\\WINDOWS");
    CFileFinder system(disk, "C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(1, windows.Find("*.scr"));
    EXPECT_EQ(2, system.Find("*.scr"));
    EXPECT_EQ(1, windows.Find("*.scr"));     // appends again
    EXPECT_EQ(2, windows.Find("*"));

    FakeNameList list;
    EXPECT_EQ(4, windows.FillList(list));
    EXPECT_EQ(2, system.FillList(list));
    EXPECT_EQ((Names{"Clock", "Abc", "Bubbles"}), list.items);
    EXPECT_EQ(2, system.FillList(list));     // counts found names, not added ones

    EXPECT_EQ("x.s", CFileFinder::DisplayName("x.s"));
    EXPECT_EQ("", CFileFinder::DisplayName(".scr"));
}

TEST(FileFinder, MatchesNamesWithoutRegardToLetterCase)
{
    FakeFileSystem disk;
    disk.Add("C:\\W", "Bubbles.scr");
    disk.Add("C:\\W", "Clock.scr");
    CFileFinder finder(disk, "C:\\W");
    EXPECT_EQ("clock.scr", finder.MatchName("clock.scr"));
    finder.Find("*.scr");
    EXPECT_EQ("Clock.scr", finder.MatchName("clock.scr"));
    EXPECT_EQ("Night.scr", finder.MatchName("Night.scr"));
}

struct ImportTest : ::testing::Test {
    FakeFileSystem disk;
    FakeProfileFile older;
    FakeProfileFile current;
};

TEST_F(ImportTest, TakesTheNamesAsFoundInTheSystemFolderFirst)
{
    disk.Add("C:\\WINDOWS\\SYSTEM", "Clock.scr");
    disk.Add("C:\\WINDOWS", "CLOCK.scr");
    disk.Add("C:\\WINDOWS", "Bubbles.scr");
    older.SetText("[Default]\r\nclock=7\\1\\20\\1\\\r\nbubbles=0\\3\\5\\0\\\r\nshort=1\\2\\3\r\nnight=0\\4\\2\\1\\\r\n"
                  "[Empty]\r\nx=\r\n");
    ImportOlderFile(older, current, disk);
    EXPECT_EQ("[Default]\r\nClock=1\\20\\1\\0\\\r\nBubbles=3\\5\\0\\1\\\r\nnight=4\\2\\1\\2\\\r\n", current.Text());
}

TEST_F(ImportTest, CutsOnlyALowerCaseExtension)
{
    disk.Add("C:\\WINDOWS\\SYSTEM", "CLOCK.SCR");
    older.SetText("[Default]\r\nclock=7\\1\\20\\1\\\r\n");
    current.SetText("[Default]\r\nCLOCK.SCR=0\\0\\0\\9\\\r\n");
    ImportOlderFile(older, current, disk);
    EXPECT_EQ("[Default]\r\nCLOCK.SCR=1\\20\\1\\0\\\r\n", current.Text());
}

TEST_F(ImportTest, AMissingOlderFileImportsNothing)
{
    ImportOlderFile(older, current, disk);
    EXPECT_FALSE(current.Exists());
}

}  // namespace
