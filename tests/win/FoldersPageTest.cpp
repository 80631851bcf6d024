// The Folders page: the folders it shows, adding and removing them through
// the folder chooser and the shell's real browser, how the Collections and
// Options pages follow, and what OK and Cancel leave behind.
#include "collections/Settings.h"

#include "SettingsPagesFixture.h"

#include <algorithm>

namespace {

using wintest::Answered;

const char* const noScreenSaversNote = "No screensavers (*.scr) were found in this folder.";

TEST_F(SettingsPagesTest, ShowsTheAlwaysSearchedFoldersAndEveryStoredFolderAndOkWritesOnlyAChange)
{
    wintest::WriteCollectionsFile("[TombolixInternal]\r\nFolders=D:\\Zeta*C:\\Alpha*D:\\Zeta\r\n");
    // Pages never opened store nothing.
    ShowSheet([&] { PressOk(); });
    EXPECT_EQ("D:\\Zeta*C:\\Alpha*D:\\Zeta", StoredFolders());
    EXPECT_EQ("", Option("ShowToolTips"));

    ShowSheet([&] {
        OpenFoldersPage();
        // SysWOW64 on 64-bit Windows only.
        const std::string searched = wintest::IsWindows64()
                                         ? windows + ", " + system + " && " + wintest::SystemWow64Folder()
                                         : windows + " && " + system;
        EXPECT_EQ(searched + " are always searched for screensavers.",
                  wintest::WindowText(FoldersControl(IDC_ALWAYS_SEARCHED)));
        EXPECT_EQ((Texts{"C:\\Alpha", "D:\\Zeta", "D:\\Zeta"}), FolderList());
        // Remove without a chosen folder does nothing.
        wintest::Click(FoldersControl(IDC_REMOVE_FOLDER));
        EXPECT_EQ(3u, FolderList().size());
        PressOk();
    });
    // Nothing changed: the value stays as the user left it.
    EXPECT_EQ("D:\\Zeta*C:\\Alpha*D:\\Zeta", StoredFolders());
}

TEST_F(SettingsPagesTest, AddingAFolderOffersItsScreenSaversOnceAndTheBlankerListFollows)
{
    Install(windows, {"Aquarium", "Clock"});
    wintest::WriteCollectionsFile("[Default]\r\nClock=2\\15\\1\\0\\\r\n");
    const std::string savers = folders.Make("PagesTestSavers", {"Zebra", "CLOCK", "aquarium", "Tombolix2", "Mystify"});
    const std::string empty = folders.Make("PagesTestEmpty", {});
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        EXPECT_EQ((Texts{"Aquarium", "Clock"}), BlankerList());
        OpenFoldersPage();
        EXPECT_TRUE(AddFolder(savers).empty());
        EXPECT_EQ("Choose a folder containing your screensavers:", chosen.titleSeen);
        EXPECT_EQ("Tombolix Screensaver", chosen.ownerSeen);
        // Neither a name listed in other letter case, nor one already
        // selected, nor the program's own file.
        EXPECT_EQ((Texts{"Aquarium", "Mystify", "Zebra"}), Available());
        EXPECT_EQ(Texts{"Clock"}, Selected());
        EXPECT_EQ((Texts{"Aquarium", "Clock", "Mystify", "Zebra"}), BlankerList());
        EXPECT_EQ("", Blanker());

        // A folder without screen savers is kept after the note.
        std::vector<Answered> notes = AddFolder(empty);
        ASSERT_EQ(1u, notes.size());
        EXPECT_EQ("Note", notes[0].caption);
        EXPECT_EQ(noScreenSaversNote, notes[0].text);
        EXPECT_EQ((Texts{empty, savers}), FolderList());
        // The browser cancelled: nothing happens.
        EXPECT_TRUE(AddFolder("").empty());
        EXPECT_EQ(2u, FolderList().size());
        PressOk();
    });
    EXPECT_EQ(savers + "*" + empty + "*", StoredFolders());
}

TEST_F(SettingsPagesTest, AFolderInOtherLetterCaseIsShownOnceStoredTwiceAndRemovedByItsExactSpelling)
{
    Install(windows, {"Aquarium", "Clock"});
    wintest::WriteCollectionsFile("[Default]\r\nClock=2\\15\\1\\0\\\r\n");
    const std::string savers = folders.Make("PagesTestSavers", {"Clock", "Zebra", "Mystify"});
    std::string otherCase = savers;
    std::transform(otherCase.begin(), otherCase.end(), otherCase.begin(), ::tolower);
    ShowSheet([&] {
        OpenFoldersPage();
        AddFolder(savers);
        AddFolder(otherCase);
        EXPECT_EQ(Texts{savers}, FolderList());
        EXPECT_EQ((Texts{"Aquarium", "Mystify", "Zebra"}), Available());
        // Zebra joins the collection.
        ASSERT_TRUE(OpenPage(0));
        ClickItem(IDC_AVAILABLE, "Zebra");
        Click(IDC_MOVE_FORWARD);
        PressOk();
    });
    EXPECT_EQ(savers + "*" + otherCase + "*", StoredFolders());

    app.reset();
    ShowSheet([&] {
        EXPECT_EQ((Texts{"Clock", "Zebra"}), Selected());
        ASSERT_TRUE(OpenPage(optionsTab));
        OpenFoldersPage();
        Texts shown = FolderList();
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ((Texts{savers, otherCase}), shown);

        // Its names leave both lists, Clock too although the Windows
        // folder has it; the other spelling stays searched.
        RemoveFolder(savers);
        EXPECT_EQ(Texts{"Aquarium"}, Available());
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ(Texts{"Aquarium"}, BlankerList());
        EXPECT_EQ(Texts{otherCase}, FolderList());
        EXPECT_EQ(std::vector<std::string>{otherCase}, Edited().folders);
        PressOk();
    });
    // Taken out of the collection's selection, not forgotten.
    EXPECT_EQ("[Default]\r\nClock=2\\15\\0\\0\\\r\nAquarium=2\\15\\0\\0\\\r\nZebra=2\\15\\0\\1\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\nMystify=2\\15\\0\\0\\\r\n"
              "[TombolixInternal]\r\nFolders=" + otherCase + "*\r\n",
              FileBytes());
}

TEST_F(SettingsPagesTest, RemovingAFolderOutOfReachTakesNoNamesAndRemovesEverySameSpelling)
{
    Install(windows, {"Aquarium", "Clock"});
    wintest::WriteCollectionsFile("[Default]\r\nClock=2\\15\\1\\0\\\r\n"
                                  "[TombolixInternal]\r\nFolders=Q:\\Offline*C:\\Elsewhere*Q:\\Offline*q:\\offline*\r\n");
    ShowSheet([&] {
        OpenFoldersPage();
        RemoveFolder("Q:\\Offline");
        EXPECT_EQ(Texts{"Aquarium"}, Available());
        EXPECT_EQ(Texts{"Clock"}, Selected());
        EXPECT_EQ((std::vector<std::string>{"C:\\Elsewhere", "q:\\offline"}), Edited().folders);
        PressOk();
    });
    EXPECT_EQ("C:\\Elsewhere*q:\\offline*", StoredFolders());
}

TEST_F(SettingsPagesTest, CancelForgetsWhatTheHandlersChangedAndWritesNothing)
{
    Install(windows, {"Aquarium", "Blank Screen"});
    const std::string savers = folders.Make("PagesTestSavers", {"Zebra"});
    wintest::WriteCollectionsFile("[TombolixInternal]\r\nFolders=D:\\Old*\r\n");
    const std::string stored = FileBytes();
    INT_PTR result = ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        wintest::Click(OptionsControl(IDC_USE_BLANKER));
        SendMessageA(OptionsControl(IDC_BLANKER), WM_KEYDOWN, VK_UP, 0);
        wintest::Click(OptionsControl(IDC_SHOW_TOOLTIPS));
        wintest::Retype(OptionsControl(IDC_BLANKER_MINUTES), "7");
        OpenFoldersPage();
        AddFolder(savers);
        RemoveFolder("D:\\Old");
        PressCancel();
    });
    EXPECT_EQ(IDCANCEL, result);
    const CSettings& settings = app->GetSettings();
    EXPECT_FALSE(settings.Values().useBlanker);
    EXPECT_EQ("Blank Screen", settings.Values().blankerName);
    EXPECT_TRUE(settings.Values().showToolTips);
    EXPECT_EQ(120, settings.Values().blankerMinutes);
    EXPECT_EQ(std::vector<std::string>{"D:\\Old"}, settings.Values().folders);
    for (const char* option : {"ShowToolTips", "UseBlanker", "BlankerMinutes", "BlankerName", "PasswordOverride"})
        EXPECT_EQ("", Option(option)) << option;
    EXPECT_EQ(stored, FileBytes());
}

// Opens, one level after the other from the root, the tree items whose
// texts contain these parts, selects the last and presses OK.
wintest::Responder PickInBrowser(const Texts& itemParts)
{
    return [=](HWND dialog, Answered& seen) {
        seen.text = wintest::WindowText(FindWindowExA(dialog, nullptr, "Static", nullptr));
        HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
        HTREEITEM item = TreeView_GetRoot(tree);
        for (const std::string& part : itemParts) {
            TreeView_Expand(tree, item, TVE_EXPAND);
            for (item = TreeView_GetChild(tree, item); item; item = TreeView_GetNextSibling(tree, item)) {
                char text[MAX_PATH] = "";
                TVITEMA data{};
                data.mask = TVIF_TEXT;
                data.hItem = item;
                data.pszText = text;
                data.cchTextMax = sizeof text;
                TreeView_GetItem(tree, &data);
                if (std::string(text).find(part) != std::string::npos) break;
            }
            if (!item) break;
        }
        if (item) TreeView_SelectItem(tree, item);
        wintest::Click(GetDlgItem(dialog, IDOK));
    };
}

TEST_F(SettingsPagesTest, TheShellsFolderBrowserChoosesTheFolder)
{
    const std::string savers = folders.Make("PagesTestBrowse", {"Zebra"});
    CShellFolderChooser shell;
    folderChooser = &shell;
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(foldersTab));
        HWND add = FoldersControl(IDC_ADD_FOLDER);
        std::vector<Answered> seen = wintest::Answering(
            {[](HWND dialog, Answered&) { wintest::Click(GetDlgItem(dialog, IDCANCEL)); }},
            [&] { wintest::Click(add); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Browse for Folder", seen[0].caption);
        EXPECT_TRUE(FolderList().empty());

        seen = wintest::Answering({PickInBrowser({"My Computer", "(C:)", "PagesTestBrowse"})},
                                  [&] { wintest::Click(add); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Choose a folder containing your screensavers:", seen[0].text);
        EXPECT_EQ(Texts{savers}, FolderList());
        EXPECT_EQ(Texts{"Zebra"}, Available());
    });
}

}  // namespace
