// What the Collections page writes, and when: levels and durations,
// collections made and deleted, OK and Cancel, and the screen savers it
// starts.
#include "CollectionsPageFixture.h"

namespace {

using wintest::Answered;

const char* const threeSelected = "[Default]\r\nAlpha=2\\15\\1\\0\\\r\nBravo=4\\33\\0\\0\\\r\nCharlie=1\\10\\1\\1\\\r\n"
                                  "TombolixCycle=1\r\nTombolixNextToUse=2\r\n";

TEST_F(CollectionsPageTest, OkStoresTheListsInOrderAndKeepsWhatIsNotSelected)
{
    Install(windows, {"Alpha", "Bravo", "Charlie", "Delta"});
    wintest::WriteCollectionsFile(std::string(threeSelected) + "Gone=1\\1\\1\\2\\\r\n[Night]\r\nDelta=2\\15\\1\\0\\\r\n");
    INT_PTR result = ShowSheet([&] {
        ClickItem(IDC_SELECTED, "Charlie");
        Click(IDC_MOVE_UP);
        ClickItem(IDC_AVAILABLE, "Delta");
        Click(IDC_MOVE_FORWARD);
        Click(IDC_RANDOM);
        PressOk();
    });
    EXPECT_EQ(IDOK, result);
    // Gone was not found on disk: its key goes.
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\1\\2\\\r\nBravo=4\\33\\0\\0\\\r\nCharlie=1\\10\\1\\0\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\nDelta=2\\15\\1\\1\\\r\n[Night]\r\nDelta=2\\15\\1\\0\\\r\n",
              FileBytes());
    EXPECT_EQ("Default", CurrentName());
}

TEST_F(CollectionsPageTest, LevelsAndTypedDurationsChangeTheCurrentEntry)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    wintest::WriteCollectionsFile(threeSelected);
    ShowSheet([&] {
        HWND spin = Control(IDC_DURATION_SPIN);
        EXPECT_EQ(MAKELONG(32767, 1), SendMessageA(spin, UDM_GETRANGE, 0, 0));
        EXPECT_EQ(Control(IDC_DURATION), reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)));

        ClickItem(IDC_SELECTED, "Alpha");
        Click(IDC_LEVEL_LOW);
        wintest::Retype(Control(IDC_DURATION), "0");
        ClickItem(IDC_SELECTED, "Charlie");
        wintest::Retype(Control(IDC_DURATION), "99999");
        wintest::Retype(Control(IDC_DURATION), "123456");   // the edit takes five
        EXPECT_EQ("12345", Duration());
        wintest::Retype(Control(IDC_DURATION), "");
        ClickItem(IDC_SELECTED, "Alpha");
        EXPECT_EQ("0", Duration());
        EXPECT_EQ(std::vector<int>{IDC_LEVEL_LOW}, CheckedLevels());
        PressOk();
    });
    // Confirmed: cycling starts at the top again.
    EXPECT_EQ("[Default]\r\nAlpha=3\\0\\1\\0\\\r\nBravo=4\\33\\0\\0\\\r\nCharlie=1\\12345\\1\\1\\\r\n"
              "TombolixCycle=1\r\nTombolixNextToUse=0\r\n",
              FileBytes());
}

TEST_F(CollectionsPageTest, CopyGivesEveryEntryTheCurrentLevelAndDuration)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    wintest::WriteCollectionsFile(threeSelected);
    ShowSheet([&] {
        std::vector<Answered> seen = wintest::Answering({}, [&] { Click(IDC_COPY); });
        EXPECT_TRUE(seen.empty());   // no current item: nothing to copy
        ClickItem(IDC_SELECTED, "Charlie");
        seen = wintest::Answering({wintest::PressOk()}, [&] { Click(IDC_COPY); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Copy", seen[0].caption);
        EXPECT_EQ("These settings have been copied to the other screensavers.", seen[0].text);
        PressOk();
    });
    EXPECT_EQ("[Default]\r\nAlpha=1\\10\\1\\0\\\r\nBravo=1\\10\\0\\0\\\r\nCharlie=1\\10\\1\\1\\\r\n"
              "TombolixCycle=1\r\nTombolixNextToUse=0\r\n",
              FileBytes());
}

TEST_F(CollectionsPageTest, NewRefusesNamesUsedOrThatTheFileCannotHoldAndWritesNothingBeforeOk)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    wintest::WriteCollectionsFile(std::string(threeSelected) + "[Night]\r\n[TombolixInternal]\r\nFolders=\r\n");
    const std::string untouched = FileBytes();
    const std::pair<std::string, std::string> refused[] = {
        {"night", "This name is already used: night"},
        {"TOMBOLIXINTERNAL", "This name is already used: TOMBOLIXINTERNAL"},
        {" Autumn", "A collection name cannot begin or end with a blank."},
        {"Autumn ", "A collection name cannot begin or end with a blank."},
        {"Au]tumn", "A collection name cannot contain ']' or a line break."},
        {std::string(261, 'a'), "A collection name can have at most 260 characters."},
    };
    ShowSheet([&] {
        ClickItem(IDC_SELECTED, "Alpha");
        Click(IDC_MOVE_BACK);
        for (const auto& [name, message] : refused) {
            std::vector<Answered> seen = wintest::Answering(
                {wintest::TypeAndClose(IDC_NEW_NAME, name, true), wintest::PressOk()}, [&] { Click(IDC_NEW); });
            ASSERT_EQ(2u, seen.size()) << name;
            EXPECT_EQ("New", seen[0].caption);
            EXPECT_EQ("Error", seen[1].caption);
            EXPECT_EQ(message, seen[1].text);
        }
        wintest::Answering({wintest::TypeAndClose(IDC_NEW_NAME, "", true)}, [&] { Click(IDC_NEW); });
        wintest::Answering({wintest::TypeAndClose(IDC_NEW_NAME, "Autumn", false)}, [&] { Click(IDC_NEW); });
        EXPECT_EQ((Texts{"Default", "Night"}), wintest::ComboItems(Control(IDC_COLLECTION)));

        const std::string longest(260, 'L');
        wintest::Answering({wintest::TypeAndClose(IDC_NEW_NAME, longest, true)}, [&] { Click(IDC_NEW); });
        EXPECT_EQ(longest, wintest::ComboText(Control(IDC_COLLECTION)));
        EXPECT_EQ((Texts{"Alpha", "Bravo", "Charlie"}), Available());
        EXPECT_TRUE(Selected().empty());
        EXPECT_TRUE(Checked(IDC_RANDOM));
        EXPECT_EQ(untouched, FileBytes());   // the sheet's copy only
        PressCancel();
    });
    EXPECT_EQ(untouched, FileBytes());
    EXPECT_EQ("Default", CurrentName());
}

TEST_F(CollectionsPageTest, DeleteRefusesDefaultButNotDefaultInOtherCaseAndMakesTheNextCurrent)
{
    Install(windows, {"Alpha"});
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\15\\1\\0\\\r\n[Night]\r\nAlpha=0\\5\\1\\0\\\r\n");
    ShowSheet([&] {
        std::vector<Answered> seen = wintest::Answering({wintest::PressOk()}, [&] { Click(IDC_DELETE); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Error", seen[0].caption);
        EXPECT_EQ("'Default' is the only collection that cannot be deleted.", seen[0].text);
        EXPECT_EQ((Texts{"Default", "Night"}), wintest::ComboItems(Control(IDC_COLLECTION)));
    });

    app.reset();
    wintest::WriteCollectionsFile("[default]\r\nAlpha=2\\15\\1\\0\\\r\n[Night]\r\nAlpha=0\\5\\1\\0\\\r\n[Zoo]\r\n");
    wintest::SetConfigString("Current", "Zoo");
    ShowSheet([&] {
        // The last item goes: the one before it is shown; the file waits for OK.
        const std::string stored = FileBytes();
        Click(IDC_DELETE);
        EXPECT_EQ(stored, FileBytes());
        EXPECT_EQ("Night", wintest::ComboText(Control(IDC_COLLECTION)));
        // An item in the same place follows.
        wintest::ChooseInDropDown(Control(IDC_COLLECTION), "default");
        Click(IDC_DELETE);
        EXPECT_EQ("Night", wintest::ComboText(Control(IDC_COLLECTION)));
        EXPECT_EQ(Texts{"Alpha"}, Selected());
        // With none left the page offers Default again, not yet in the file.
        Click(IDC_DELETE);
        EXPECT_EQ(Texts{"Default"}, wintest::ComboItems(Control(IDC_COLLECTION)));
        EXPECT_EQ("Default", wintest::ComboText(Control(IDC_COLLECTION)));
        EXPECT_EQ(Texts{"Alpha"}, Available());
        PressOk();
    });
    // Every section goes at OK; the Default offered comes in, and is current.
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n", FileBytes());
    EXPECT_EQ("Default", CurrentName());
}

TEST_F(CollectionsPageTest, OnlyOkWritesAndItKeepsTheEditsOfEveryCollectionShown)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    const std::string file = std::string(threeSelected) + "[Night]\r\nBravo=2\\15\\1\\0\\\r\nTombolixNextToUse=3\r\n";
    wintest::WriteCollectionsFile(file);
    wintest::SetConfigString("Current", "Default");
    INT_PTR result = ShowSheet([&] {
        ClickItem(IDC_SELECTED, "Charlie");
        Click(IDC_LEVEL_VERY_HIGH);
        Click(IDC_MOVE_UP);
        Click(IDC_RANDOM);

        // Typing a letter into the closed combo box changes its choice only.
        wintest::Type(Control(IDC_COLLECTION), "N");
        EXPECT_EQ("Night", wintest::ComboText(Control(IDC_COLLECTION)));
        EXPECT_EQ((Texts{"Charlie", "Alpha"}), Selected());

        // Switching keeps the edits in the sheet, back and forth.
        wintest::ChooseInDropDown(Control(IDC_COLLECTION), "Night");
        EXPECT_EQ(Texts{"Bravo"}, Selected());
        wintest::ChooseInDropDown(Control(IDC_COLLECTION), "Default");
        EXPECT_EQ((Texts{"Charlie", "Alpha"}), Selected());
        EXPECT_TRUE(Checked(IDC_RANDOM));
        wintest::ChooseInDropDown(Control(IDC_COLLECTION), "Night");
        EXPECT_EQ(file, FileBytes());
        PressOk();
    });
    EXPECT_EQ(IDOK, result);
    // Night, shown but unchanged, starts its cycle again too; its found
    // screen savers join it.
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\1\\1\\\r\nBravo=4\\33\\0\\0\\\r\nCharlie=0\\10\\1\\0\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\n"
              "[Night]\r\nBravo=2\\15\\1\\0\\\r\nTombolixNextToUse=0\r\nAlpha=2\\15\\0\\0\\\r\n"
              "Charlie=2\\15\\0\\0\\\r\nTombolixCycle=0\r\n",
              FileBytes());
    EXPECT_EQ("Night", CurrentName());

    // A choice typed into the closed box is not the one OK stores.
    wintest::SetConfigString("Current", "Default");
    app.reset();
    ShowSheet([&] {
        ClickItem(IDC_SELECTED, "Charlie");
        Click(IDC_MOVE_BACK);
        wintest::Type(Control(IDC_COLLECTION), "N");
        PressOk();
    });
    EXPECT_EQ("Default", CurrentName());
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nBravo=4\\33\\0\\0\\\r\nCharlie=0\\10\\0\\0\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\n"
              "[Night]\r\nBravo=2\\15\\1\\0\\\r\nTombolixNextToUse=0\r\nAlpha=2\\15\\0\\0\\\r\nCharlie=2\\15\\0\\0\\\r\n"
              "TombolixCycle=0\r\n",
              FileBytes());
}

TEST_F(CollectionsPageTest, CancelForgetsEverySwitchNewAndDelete)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    wintest::WriteCollectionsFile(std::string(threeSelected) + "[Night]\r\nAlpha=2\\15\\1\\0\\\r\n");
    const std::string file = FileBytes();
    INT_PTR result = ShowSheet([&] {
        Click(IDC_MOVE_ALL_BACK);
        wintest::ChooseInDropDown(Control(IDC_COLLECTION), "Night");
        Click(IDC_DELETE);
        wintest::Answering({wintest::TypeAndClose(IDC_NEW_NAME, "Morning", true)}, [&] { Click(IDC_NEW); });
        Click(IDC_MOVE_ALL_FORWARD);
        PressCancel();
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(file, FileBytes());
    EXPECT_EQ("Default", CurrentName());
}

TEST_F(CollectionsPageTest, ANameAFolderAddsToTheCatalogueCanBeSelectedAndIsStored)
{
    Install(windows, {"Alpha"});
    const std::string extra = "C:\\TombolixCatalogueFolder";
    CreateDirectoryA(extra.c_str(), nullptr);
    Install(extra, {"Zulu", "alpha"});
    ShowSheet([&] {
        CWin32FileSystem fileSystem;
        CFileFinder finder(fileSystem, extra);
        finder.Find("*.scr");
        sheet->GetCatalogue().AddFolder(finder);
        // A name known in another spelling is not offered twice.
        EXPECT_EQ((Texts{"Alpha", "Zulu"}), Available());
        ClickItem(IDC_AVAILABLE, "Zulu");
        Click(IDC_MOVE_FORWARD);
        PressOk();
    });
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\0\\0\\\r\nZulu=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              FileBytes());
    DeleteFileA((extra + "\\Zulu.scr").c_str());
    DeleteFileA((extra + "\\alpha.scr").c_str());
    RemoveDirectoryA(extra.c_str());
}

TEST_F(CollectionsPageTest, AScreenSaverInAFolderThatIsAwayKeepsItsKeyUntilTheFolderIsBack)
{
    Install(windows, {"Alpha"});
    const std::string away = "C:\\TombolixAwayFolder";
    RemoveDirectoryA(away.c_str());
    const std::string folders = "[TombolixInternal]\r\nFolders=" + away + "*\r\n";
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nOnStick=1\\5\\1\\1\\\r\n" + folders);
    ShowSheet([&] { PressOk(); });
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nOnStick=1\\5\\1\\1\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n" +
                  folders,
              FileBytes());

    // The drive is connected while the sheet is open: choosing the
    // collection again shows its screen savers and the kept entry, selected.
    app.reset();
    ShowSheet([&] {
        EXPECT_EQ((Texts{"Alpha"}), Selected());
        CreateDirectoryA(away.c_str(), nullptr);
        Install(away, {"OnStick", "Newcomer"});
        wintest::ChooseInDropDown(Control(IDC_COLLECTION), "Default");
        EXPECT_EQ((Texts{"Alpha", "OnStick"}), Selected());
        EXPECT_EQ((Texts{"Newcomer"}), Available());
        PressCancel();
    });
    DeleteFileA((away + "\\OnStick.scr").c_str());
    DeleteFileA((away + "\\Newcomer.scr").c_str());
    RemoveDirectoryA(away.c_str());

    // Every folder can be searched again and none holds it: now it goes.
    CreateDirectoryA(away.c_str(), nullptr);
    app.reset();
    ShowSheet([&] { PressOk(); });
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n" + folders, FileBytes());
    RemoveDirectoryA(away.c_str());
}

TEST_F(CollectionsPageTest, SettingsAndPreviewStartTheCurrentScreenSaver)
{
    Install(windows, {"Alpha", "Bravo"});
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nBravo=2\\15\\1\\1\\\r\n");
    ShowSheet([&] {
        Click(IDC_SETTINGS);
        ClickItem(IDC_SELECTED, "Bravo");
        Click(IDC_SETTINGS);
        ClickItem(IDC_SELECTED, "Alpha");
        Click(IDC_PREVIEW);
    });
    using namespace std::chrono_literals;
    EXPECT_TRUE(fixtures.WaitForLine("Bravo start \"" + windows + "\\Bravo.scr\" /c", 5s));
    EXPECT_TRUE(fixtures.WaitForLine("Alpha start \"" + windows + "\\Alpha.scr\" /s", 5s));
    // Wine 8 starts every child at normal priority, whatever class the
    // creation asks for: neither class can be seen here.
    int starts = 0;
    for (const std::string& line : fixtures.Log()) starts += line.find(" start ") != std::string::npos;
    EXPECT_EQ(2, starts);
}

TEST_F(CollectionsPageTest, DurationsOtherThanANumberUpTo99999AreRefusedAndAnEmptiedOrClampedOneKept)
{
    Install(windows, {"Alpha", "Bravo"});
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\123456\\1\\0\\\r\nBravo=2\\-4\\1\\1\\\r\n");
    const std::string file = FileBytes();
    const std::string refusal = "Please enter an integer between 0 and 99999.";
    INT_PTR result = ShowSheet([&] {
        ClickItem(IDC_SELECTED, "Bravo");
        EXPECT_EQ("0", Duration());
        ClickItem(IDC_SELECTED, "Alpha");
        EXPECT_EQ("99999", Duration());
        wintest::Retype(Control(IDC_DURATION), "4x2");   // typed: digits only
        EXPECT_EQ("42", Duration());

        const std::string refused[] = {"abc", "-1", "123456", std::string(10000, '9')};
        for (const std::string& text : refused) {
            SetWindowTextA(Control(IDC_DURATION), text.c_str());   // set by a message, as a paste may
            auto seen = wintest::Answering({wintest::PressOk()}, [&] { PressOk(); });
            ASSERT_EQ(1u, seen.size()) << text;
            EXPECT_EQ("Tombolix2", seen[0].caption);
            EXPECT_EQ(refusal, seen[0].text);
            EXPECT_EQ(Control(IDC_DURATION), GetFocus());
        }
        auto seen = wintest::Answering({wintest::PressOk()}, [&] { PropSheet_SetCurSel(sheet->m_hWnd, nullptr, 1); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(0, PropSheet_HwndToIndex(sheet->m_hWnd, PropSheet_GetCurrentPageHwnd(sheet->m_hWnd)));
        ASSERT_TRUE(IsWindow(sheet->m_hWnd));
        EXPECT_EQ(file, FileBytes());

        // Emptied: no question, and the duration stays as it was.
        SetWindowTextA(Control(IDC_DURATION), "");
        EXPECT_TRUE(wintest::AnsweringEach(wintest::PressOk(), [&] { PressOk(); }).empty());
    });
    EXPECT_EQ(IDOK, result);
    // The refused and the emptied texts never reached the entry; Bravo was
    // only shown clamped.
    EXPECT_EQ("[Default]\r\nAlpha=2\\42\\1\\0\\\r\nBravo=2\\-4\\1\\1\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              FileBytes());
}

}  // namespace
