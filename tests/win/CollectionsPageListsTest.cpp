// The Collections page's lists: what it offers, and moving and ordering
// screen savers as a user's clicks do it.
#include "CollectionsPageFixture.h"

namespace {

TEST_F(CollectionsPageTest, AnEmptyFileOffersDefaultWithEveryScreenSaverFoundOnceAndOkCreatesIt)
{
    Install(windows, {"Clock", "Tombolix2", "tombolix9", "Tombo"});
    Install(system, {"CLOCK", "Aquarium", "TombolixHelper"});
    // 32-bit Windows has no SysWOW64.
    const bool windows64 = wintest::IsWindows64();
    if (windows64) Install(wow64, {"aquarium", "ThirtyTwo"});
    Texts combo, available, selected;
    INT_PTR result = ShowSheet([&] {
        combo = wintest::ComboItems(Control(IDC_COLLECTION));
        EXPECT_EQ("Default", wintest::ComboText(Control(IDC_COLLECTION)));
        available = Available();
        selected = Selected();
        EXPECT_EQ("", Current());
        PressOk();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Texts{"Default"}, combo);
    // Clock once, as the Windows folder spells it; the program's own files
    // never, in any letter case.
    const Texts offered = windows64 ? Texts{"Aquarium", "Clock", "ThirtyTwo", "Tombo"} : Texts{"Aquarium", "Clock", "Tombo"};
    EXPECT_EQ(offered, available);
    EXPECT_TRUE(selected.empty());
    EXPECT_EQ("[Default]\r\n"
              "Aquarium=2\\15\\0\\0\\\r\n"
              "Clock=2\\15\\0\\0\\\r\n" +
                  std::string(windows64 ? "ThirtyTwo=2\\15\\0\\0\\\r\n" : "") +
              "Tombo=2\\15\\0\\0\\\r\n"
              "TombolixCycle=0\r\n"
              "TombolixNextToUse=0\r\n",
              FileBytes());
    EXPECT_EQ("Default", CurrentName());
}

TEST_F(CollectionsPageTest, ShowsTheCurrentCollectionOrTheFirstByNameWhenItIsMissing)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    wintest::WriteCollectionsFile("[Night]\r\nBravo=2\\15\\1\\0\\\r\n[TombolixInternal]\r\nFolders=\r\n"
                                  "[Autumn]\r\nCharlie=2\\15\\1\\1\\\r\nAlpha=2\\15\\1\\0\\\r\nTombolixCycle=1\r\n");
    wintest::SetConfigString("Current", "Gone");
    ShowSheet([&] {
        EXPECT_EQ((Texts{"Autumn", "Night"}), wintest::ComboItems(Control(IDC_COLLECTION)));
        EXPECT_EQ("Autumn", wintest::ComboText(Control(IDC_COLLECTION)));
        EXPECT_EQ((Texts{"Alpha", "Charlie"}), Selected());
        EXPECT_EQ(Texts{"Bravo"}, Available());
        EXPECT_TRUE(Checked(IDC_CYCLE));
        EXPECT_FALSE(Checked(IDC_RANDOM));
    });
    app.reset();
    wintest::SetConfigString("Current", "night");
    ShowSheet([&] {
        EXPECT_EQ("Night", wintest::ComboText(Control(IDC_COLLECTION)));
        EXPECT_EQ(Texts{"Bravo"}, Selected());
        EXPECT_TRUE(Checked(IDC_RANDOM));
    });
}

TEST_F(CollectionsPageTest, SelectedScreenSaversFollowTheirOrderAndGapsStayAvailable)
{
    Install(windows, {"Alpha", "Bravo", "Charlie", "Delta", "Echo"});
    // Orders 2, 0 and 5 of four entries, and order 0 twice: every one is
    // shown, by its order, a tie in file order.
    wintest::WriteCollectionsFile("[Default]\r\nEcho=2\\15\\1\\2\\\r\nDelta=2\\15\\1\\0\\\r\nCharlie=2\\15\\1\\0\\\r\n"
                                  "Bravo=2\\15\\1\\5\\\r\n");
    ShowSheet([&] {
        EXPECT_EQ((Texts{"Delta", "Charlie", "Echo", "Bravo"}), Selected());
        EXPECT_EQ((Texts{"Alpha"}), Available());
        PressOk();
    });
    // OK closes the gaps and keeps every selection.
    EXPECT_EQ("[Default]\r\nEcho=2\\15\\1\\2\\\r\nDelta=2\\15\\1\\0\\\r\nCharlie=2\\15\\1\\1\\\r\n"
              "Bravo=2\\15\\1\\3\\\r\nAlpha=2\\15\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              FileBytes());
}

TEST_F(CollectionsPageTest, ForwardInsertsAfterTheCurrentItemAndShowsASingleMovedOne)
{
    Install(windows, {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"});
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nBravo=0\\20\\1\\1\\\r\nCharlie=1\\7\\0\\0\\\r\n");
    ShowSheet([&] {
        ClickItem(IDC_AVAILABLE, "Charlie");
        Click(IDC_MOVE_FORWARD);
        EXPECT_EQ((Texts{"Alpha", "Bravo", "Charlie"}), Selected());
        EXPECT_EQ("Charlie", Current());
        EXPECT_EQ("7", Duration());
        EXPECT_EQ(std::vector<int>{IDC_LEVEL_HIGH}, CheckedLevels());

        ClickItem(IDC_SELECTED, "Bravo");
        EXPECT_EQ("20", Duration());
        for (const char* item : {"Delta", "Echo", "Foxtrot"}) ClickItem(IDC_AVAILABLE, item);
        Click(IDC_MOVE_FORWARD);
        EXPECT_EQ((Texts{"Alpha", "Bravo", "Foxtrot", "Echo", "Delta", "Charlie"}), Selected());
        EXPECT_EQ("Bravo", Current());
        EXPECT_EQ("20", Duration());
        EXPECT_EQ(std::vector<int>{IDC_LEVEL_VERY_HIGH}, CheckedLevels());
        EXPECT_TRUE(Available().empty());

        // A double-click in the Selected list moves its item back.
        wintest::DoubleClickItem(Control(IDC_SELECTED), 2);
        EXPECT_EQ((Texts{"Alpha", "Bravo", "Echo", "Delta", "Charlie"}), Selected());
        EXPECT_EQ(Texts{"Foxtrot"}, Available());
        EXPECT_EQ("Echo", Current());
        // And one in the Available list moves it forward, after the current.
        wintest::DoubleClickItem(Control(IDC_AVAILABLE), 0);
        EXPECT_EQ((Texts{"Alpha", "Bravo", "Echo", "Foxtrot", "Delta", "Charlie"}), Selected());
        EXPECT_EQ("Foxtrot", Current());
    });
}

TEST_F(CollectionsPageTest, BackMovesTheCurrentItemAfterTheAvailableFocusAndKeepsACurrentItem)
{
    Install(windows, {"Alpha", "Bravo", "Charlie", "Golf", "Hotel"});
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nBravo=2\\15\\1\\1\\\r\nCharlie=2\\15\\1\\2\\\r\n");
    ShowSheet([&] {
        // After a load nothing is current: "<" moves nothing.
        Click(IDC_MOVE_BACK);
        EXPECT_EQ((Texts{"Alpha", "Bravo", "Charlie"}), Selected());
        EXPECT_EQ("", Current());

        // Two clicks leave Golf with the focus mark but not highlighted.
        ClickItem(IDC_AVAILABLE, "Golf");
        ClickItem(IDC_AVAILABLE, "Golf");
        ClickItem(IDC_SELECTED, "Charlie");
        Click(IDC_MOVE_BACK);
        EXPECT_EQ((Texts{"Alpha", "Bravo"}), Selected());
        EXPECT_EQ("Bravo", Current());
        EXPECT_EQ((Texts{"Golf", "Charlie", "Hotel"}), Available());

        ClickItem(IDC_SELECTED, "Alpha");
        Click(IDC_MOVE_BACK);
        EXPECT_EQ(Texts{"Bravo"}, Selected());
        EXPECT_EQ("Bravo", Current());

        Click(IDC_MOVE_ALL_BACK);
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ("", Current());
        Texts listed = Available();
        EXPECT_EQ(5u, listed.size());
        Click(IDC_MOVE_ALL_FORWARD);
        EXPECT_EQ(listed, Selected());
        EXPECT_TRUE(Available().empty());
    });
}

TEST_F(CollectionsPageTest, ControlsFollowTheCurrentItemAndTheMode)
{
    Install(windows, {"Alpha", "Bravo", "Charlie"});
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=4\\15\\1\\0\\\r\nBravo=2\\15\\1\\1\\\r\nCharlie=2\\15\\1\\2\\\r\n");
    const int currentItemControls[] = {IDC_COPY, IDC_DURATION, IDC_DURATION_LABEL, IDC_MINUTES, IDC_SETTINGS,
                                       IDC_PREVIEW, IDC_DURATION_SPIN};
    const int levelControls[] = {IDC_LEVEL_VERY_HIGH, IDC_LEVEL_HIGH, IDC_LEVEL_MEDIUM, IDC_LEVEL_LOW,
                                 IDC_LEVEL_VERY_LOW, IDC_FREQUENCY};
    ShowSheet([&] {
        for (int id : currentItemControls) EXPECT_FALSE(Enabled(id)) << id;
        for (int id : levelControls) EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_FALSE(Enabled(IDC_MOVE_UP));
        EXPECT_FALSE(Enabled(IDC_MOVE_DOWN));
        for (int id : {IDC_NEW, IDC_DELETE, IDC_MOVE_FORWARD, IDC_MOVE_BACK, IDC_MOVE_ALL_FORWARD, IDC_MOVE_ALL_BACK})
            EXPECT_TRUE(Enabled(id)) << id;

        ClickItem(IDC_SELECTED, "Alpha");
        for (int id : currentItemControls) EXPECT_TRUE(Enabled(id)) << id;
        for (int id : levelControls) EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_FALSE(Enabled(IDC_MOVE_UP));
        EXPECT_TRUE(Enabled(IDC_MOVE_DOWN));

        Click(IDC_MOVE_DOWN);
        EXPECT_EQ((Texts{"Bravo", "Alpha", "Charlie"}), Selected());
        EXPECT_EQ("Alpha", Current());
        EXPECT_TRUE(Enabled(IDC_MOVE_UP));
        Click(IDC_MOVE_DOWN);
        EXPECT_EQ((Texts{"Bravo", "Charlie", "Alpha"}), Selected());
        EXPECT_FALSE(Enabled(IDC_MOVE_DOWN));
        Click(IDC_MOVE_DOWN);
        EXPECT_EQ((Texts{"Bravo", "Charlie", "Alpha"}), Selected());
        Click(IDC_MOVE_UP);
        EXPECT_EQ((Texts{"Bravo", "Alpha", "Charlie"}), Selected());
        EXPECT_EQ("Alpha", Current());

        // Levels weigh only at random; the radios keep their marks.
        Click(IDC_CYCLE);
        for (int id : levelControls) EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(std::vector<int>{IDC_LEVEL_VERY_LOW}, CheckedLevels());
        for (int id : currentItemControls) EXPECT_TRUE(Enabled(id)) << id;
        Click(IDC_RANDOM);
        for (int id : levelControls) EXPECT_TRUE(Enabled(id)) << id;
    });
}

}  // namespace

namespace {

// The tips in the order the page adds them: the tool's control and text.
TEST_F(CollectionsPageTest, AddsItsTipsInOrder)
{
    const std::pair<int, const char*> expected[] = {
        {IDC_DELETE, "Delete this collection"},
        {IDC_NEW, "Add a new collection"},
        {IDC_MOVE_ALL_BACK, "Moves all screensavers back to the Available list"},
        {IDC_MOVE_BACK, "Moves the selected screensaver back to the Available list"},
        {IDC_MOVE_ALL_FORWARD, "Moves all screensavers to the Selected list"},
        {IDC_MOVE_FORWARD, "Moves all highlighted screensavers to the Selected list"},
        {IDC_COLLECTION, "The selected collection will be the one used by Tombolix to launch screensavers"},
        {IDC_LEVEL_HIGH, "How often the screensaver will be shown relative to the others"},
        {IDC_LEVEL_LOW, "How often the screensaver will be shown relative to the others"},
        {IDC_LEVEL_MEDIUM, "How often the screensaver will be shown relative to the others"},
        {IDC_LEVEL_VERY_HIGH, "How often the screensaver will be shown relative to the others"},
        {IDC_LEVEL_VERY_LOW, "How often the screensaver will be shown relative to the others"},
        {IDC_DURATION, "How long Tombolix will let the screensaver run before interrupting it and starting the "
                       "next. Ignored if passwords are being used."},
        {IDC_COPY, "Copies the selected Frequency and Duration to all other screensavers in this collection"},
        {IDC_SETTINGS, "Displays the configuration screen for the selected screensaver"},
        {IDC_PREVIEW, "Runs the selected screensaver"},
        {IDC_RANDOM, "Screensavers will be selected at random according to the frequencies below"},
        {IDC_CYCLE, "The screensavers will be run in the order shown in the list"},
        {IDC_MOVE_DOWN, "Move the selected screensaver down one position in the list"},
        {IDC_MOVE_UP, "Move the selected screensaver up one position in the list"},
    };
    ShowSheet([&] {
        HWND page = sheet->GetCollectionsPage().m_hWnd;
        HWND tips = sheet->GetCollectionsPage().GetToolTip().m_hWnd;
        ASSERT_EQ(20, SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < 20; ++i) {
            char text[256] = "";
            TOOLINFOA tool{};
            tool.cbSize = sizeof tool;
            tool.lpszText = text;
            ASSERT_TRUE(SendMessageA(tips, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)));
            EXPECT_EQ(static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS), tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS));
            EXPECT_EQ(page, tool.hwnd);
            EXPECT_EQ(reinterpret_cast<UINT_PTR>(Control(expected[i].first)), tool.uId) << i;
            SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
            // The message hands back no more than 80 characters of a tip.
            EXPECT_EQ(std::string(expected[i].second).substr(0, 80), text) << i;
        }
    });
}

}  // namespace
