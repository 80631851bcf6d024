// The Options page: what it shows of the settings, the blanker's controls,
// the minutes check, the boxes of a screen saver on each monitor and of
// never the same one twice in a row and their place, its tips and the
// switch of every page's tips, and what OK and Cancel leave in the registry
// and in memory.
#include "collections/Settings.h"

#include "SettingsPagesFixture.h"

#include <iterator>
#include <map>
#include <utility>

namespace {

using wintest::Answered;

TEST_F(SettingsPagesTest, OptionsStartFromTheSettingsAndUseBlankerOpensTheBlankerControls)
{
    Install(windows, {"Aquarium", "blank SCREEN"});
    Install(system, {"Clock"});
    wintest::WriteCollectionsFile("[Default]\r\nClock=2\\15\\1\\0\\\r\n");
    wintest::SetConfigInt("BlankerMinutes", 45);
    wintest::SetConfigInt("PasswordOverride", 1);
    wintest::SetConfigInt("NoImmediateRepeat", 1);
    const int blankerControls[] = {IDC_BLANKER, IDC_BLANKER_SPIN, IDC_BLANKER_MINUTES};
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        EXPECT_EQ(BST_CHECKED, SendMessageA(OptionsControl(IDC_SHOW_TOOLTIPS), BM_GETCHECK, 0, 0));
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(OptionsControl(IDC_USE_BLANKER), BM_GETCHECK, 0, 0));
        EXPECT_EQ(BST_CHECKED, SendMessageA(OptionsControl(IDC_PASSWORD_OVERRIDE), BM_GETCHECK, 0, 0));
        EXPECT_EQ(BST_CHECKED, SendMessageA(OptionsControl(IDC_NO_IMMEDIATE_REPEAT), BM_GETCHECK, 0, 0));
        EXPECT_EQ("45", wintest::WindowText(OptionsControl(IDC_BLANKER_MINUTES)));
        HWND spin = OptionsControl(IDC_BLANKER_SPIN);
        EXPECT_EQ(MAKELONG(999, 1), SendMessageA(spin, UDM_GETRANGE, 0, 0));
        EXPECT_EQ(OptionsControl(IDC_BLANKER_MINUTES), reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)));
        // Both lists of the Collections page, sorted; the default blanker
        // whatever its letter case on disk.
        EXPECT_EQ((Texts{"Aquarium", "blank SCREEN", "Clock"}), BlankerList());
        EXPECT_EQ("blank SCREEN", Blanker());
        for (int id : blankerControls) EXPECT_FALSE(IsWindowEnabled(OptionsControl(id))) << id;

        // The click takes the uninterrupted and no-repeat options along.
        wintest::Click(OptionsControl(IDC_PASSWORD_OVERRIDE));
        wintest::Click(OptionsControl(IDC_NO_IMMEDIATE_REPEAT));
        EXPECT_TRUE(Edited().noImmediateRepeat);
        wintest::Click(OptionsControl(IDC_USE_BLANKER));
        for (int id : blankerControls) EXPECT_TRUE(IsWindowEnabled(OptionsControl(id))) << id;
        EXPECT_TRUE(Edited().useBlanker);
        EXPECT_FALSE(Edited().passwordOverride);
        EXPECT_FALSE(Edited().noImmediateRepeat);
        wintest::Click(OptionsControl(IDC_USE_BLANKER));
        for (int id : blankerControls) EXPECT_FALSE(IsWindowEnabled(OptionsControl(id))) << id;
        EXPECT_FALSE(Edited().useBlanker);
        EXPECT_TRUE(app->GetSettings().Values().passwordOverride);   // the stored state waits for OK
        PressOk();
    });
    // Only what changed is written.
    EXPECT_EQ("", Option("UseBlanker"));
    EXPECT_EQ("0", Option("PasswordOverride"));
    EXPECT_EQ("0", Option("NoImmediateRepeat"));
    EXPECT_EQ("45", Option("BlankerMinutes"));
    EXPECT_EQ("blank SCREEN", Option("BlankerName"));
}

TEST_F(SettingsPagesTest, OkWritesTheFiveOptionsAndKeepsABlankerThatIsNotListed)
{
    Install(windows, {"Aquarium"});
    wintest::SetConfigString("BlankerName", "Gone Saver");
    wintest::SetConfigInt("UseBlanker", 1);
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        EXPECT_EQ(Texts{"Aquarium"}, BlankerList());
        EXPECT_EQ("", Blanker());
        EXPECT_TRUE(IsWindowEnabled(OptionsControl(IDC_BLANKER)));
        wintest::Retype(OptionsControl(IDC_BLANKER_MINUTES), "0");
        wintest::Click(OptionsControl(IDC_PASSWORD_OVERRIDE));
        wintest::Click(OptionsControl(IDC_SHOW_TOOLTIPS));
        PressOk();
    });
    EXPECT_EQ("0", Option("ShowToolTips"));
    EXPECT_EQ("1", Option("UseBlanker"));
    EXPECT_EQ("0", Option("BlankerMinutes"));
    EXPECT_EQ("Gone Saver", Option("BlankerName"));
    EXPECT_EQ("1", Option("PasswordOverride"));

    // A blanker picked from the list is taken at once and written by OK.
    wintest::SetConfigInt("BlankerMinutes", 45);
    app.reset();
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        SendMessageA(OptionsControl(IDC_BLANKER), WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ("Aquarium", Edited().blankerName);
        PressOk();
    });
    EXPECT_EQ("45", Option("BlankerMinutes"));
    EXPECT_EQ("Aquarium", Option("BlankerName"));
}

TEST_F(SettingsPagesTest, MinutesOtherThanANumberUpTo999AreRefusedWhereverTheyAreTakenAndThePageKept)
{
    const std::string refusal = "Please enter an integer between 0 and 999.";
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        HWND minutes = OptionsControl(IDC_BLANKER_MINUTES);
        wintest::Click(OptionsControl(IDC_USE_BLANKER));
        wintest::Retype(minutes, "12a34");   // typed: digits only, three of them
        EXPECT_EQ("123", wintest::WindowText(minutes));
        const std::string refused[] = {"1234", "abc", "-1", std::string(10000, '9')};
        for (const std::string& text : refused) {
            SetWindowTextA(minutes, text.c_str());   // set by a message, as a paste may
            std::vector<Answered> seen = wintest::Answering({wintest::PressOk()}, [&] { OpenPage(foldersTab); });
            ASSERT_EQ(1u, seen.size()) << text;
            EXPECT_EQ("Tombolix2", seen[0].caption);
            EXPECT_EQ(refusal, seen[0].text);
            EXPECT_EQ(optionsTab, ShownPage());
        }
        // The click reports the refusal and goes on with what it took.
        wintest::Click(OptionsControl(IDC_PASSWORD_OVERRIDE));
        SetWindowTextA(minutes, "-1");
        std::vector<Answered> seen =
            wintest::Answering({wintest::PressOk()}, [&] { wintest::Click(OptionsControl(IDC_USE_BLANKER)); });
        EXPECT_TRUE(seen.empty());   // the edit closed: nothing to refuse
        EXPECT_FALSE(Edited().useBlanker);
        EXPECT_TRUE(Edited().passwordOverride);

        SetWindowTextA(minutes, "5");
        wintest::Click(OptionsControl(IDC_USE_BLANKER));
        SetWindowTextA(minutes, "1000");
        seen = wintest::Answering({wintest::PressOk()}, [&] { PressOk(); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(refusal, seen[0].text);
        EXPECT_TRUE(IsWindowVisible(sheet->m_hWnd));

        // Emptied: no question, and 0 minutes.
        SetWindowTextA(minutes, "");
        EXPECT_TRUE(wintest::AnsweringEach(wintest::PressOk(), [&] { PressOk(); }).empty());
    });
    EXPECT_EQ("0", Option("BlankerMinutes"));
    EXPECT_EQ("1", Option("PasswordOverride"));
}

TEST_F(SettingsPagesTest, AStoredPeriodOutOfRangeShowsWithinItAndIsKeptUntilChanged)
{
    wintest::SetConfigInt("BlankerMinutes", 2147483647);
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        EXPECT_EQ("999", wintest::WindowText(OptionsControl(IDC_BLANKER_MINUTES)));
        std::vector<Answered> seen = wintest::Answering({}, [&] { OpenPage(foldersTab); });
        EXPECT_TRUE(seen.empty());
        EXPECT_EQ(foldersTab, ShownPage());
        PressOk();
    });
    EXPECT_EQ("2147483647", Option("BlankerMinutes"));
}

TEST_F(SettingsPagesTest, TheMonitorAndNoRepeatBoxesStartFromTheirDefaultsAndOnlyOkWritesAChange)
{
    // Nothing stored: one on each monitor ticked, no-repeat unticked, and an
    // OK that changed nothing writes nothing.
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        HWND box = OptionsControl(IDC_SAVER_PER_MONITOR);
        HWND noRepeat = OptionsControl(IDC_NO_IMMEDIATE_REPEAT);
        EXPECT_EQ("A different screensaver on each &monitor", wintest::WindowText(box));
        EXPECT_EQ("&Never the same screensaver twice in a row", wintest::WindowText(noRepeat));
        EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(noRepeat, BM_GETCHECK, 0, 0));
        PressOk();
    });
    EXPECT_EQ("", Option("SaverPerMonitor"));
    EXPECT_EQ("", Option("NoImmediateRepeat"));

    // Ticked and cancelled: nothing written, nothing kept.
    app.reset();
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        wintest::Click(OptionsControl(IDC_NO_IMMEDIATE_REPEAT));
        EXPECT_EQ(BST_CHECKED, SendMessageA(OptionsControl(IDC_NO_IMMEDIATE_REPEAT), BM_GETCHECK, 0, 0));
        PressCancel();
    });
    EXPECT_EQ("", Option("NoImmediateRepeat"));
    EXPECT_FALSE(app->GetSettings().Values().noImmediateRepeat);

    // Ticked and OK: that one value written.
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        wintest::Click(OptionsControl(IDC_NO_IMMEDIATE_REPEAT));
        EXPECT_FALSE(app->GetSettings().Values().noImmediateRepeat);   // the stored state waits for OK
        PressOk();
    });
    EXPECT_EQ("1", Option("NoImmediateRepeat"));
    EXPECT_EQ("", Option("SaverPerMonitor"));
    EXPECT_TRUE(app->GetSettings().Values().noImmediateRepeat);

    app.reset();
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        EXPECT_EQ(BST_CHECKED, SendMessageA(OptionsControl(IDC_NO_IMMEDIATE_REPEAT), BM_GETCHECK, 0, 0));
        wintest::Click(OptionsControl(IDC_SAVER_PER_MONITOR));
        EXPECT_TRUE(app->GetSettings().Values().saverPerMonitor);   // the stored state waits for OK
        PressOk();
    });
    EXPECT_EQ("0", Option("SaverPerMonitor"));
    EXPECT_EQ("1", Option("NoImmediateRepeat"));
    EXPECT_FALSE(app->GetSettings().Values().saverPerMonitor);
    EXPECT_TRUE(app->GetSettings().Values().noImmediateRepeat);

    // Stored off: unticked; ticked again, Cancel forgets it and OK writes it.
    app.reset();
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(OptionsControl(IDC_SAVER_PER_MONITOR), BM_GETCHECK, 0, 0));
        wintest::Click(OptionsControl(IDC_SAVER_PER_MONITOR));
        PressCancel();
    });
    EXPECT_EQ("0", Option("SaverPerMonitor"));
    EXPECT_FALSE(app->GetSettings().Values().saverPerMonitor);
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        wintest::Click(OptionsControl(IDC_SAVER_PER_MONITOR));
        PressOk();
    });
    EXPECT_EQ("1", Option("SaverPerMonitor"));
    EXPECT_TRUE(app->GetSettings().Values().saverPerMonitor);
}

// A control's rectangle in its page's client coordinates.
RECT RectInParent(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(SettingsPagesTest, TheMonitorAndNoRepeatBoxesShowTheirWholeTextsOnThePageAndCoverNoOtherControl)
{
    const std::pair<int, std::string> boxes[] = {
        {IDC_SAVER_PER_MONITOR, "A different screensaver on each monitor"},
        {IDC_NO_IMMEDIATE_REPEAT, "Never the same screensaver twice in a row"},
    };
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        HWND page = sheet->GetOptionsPage().m_hWnd;
        RECT pageRect;
        GetClientRect(page, &pageRect);
        for (const auto& [id, text] : boxes) {
            HWND box = OptionsControl(id);
            const RECT boxRect = RectInParent(box);
            RECT common;
            EXPECT_TRUE(IntersectRect(&common, &boxRect, &pageRect) && EqualRect(&common, &boxRect)) << id;
            for (HWND other = GetWindow(page, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
                if (other == box) continue;
                const RECT otherRect = RectInParent(other);
                EXPECT_FALSE(IntersectRect(&common, &boxRect, &otherRect)) << id << " " << GetDlgCtrlID(other);
            }

            // The text beside the check mark, in the box's own font.
            HDC dc = GetDC(box);
            HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
            SIZE extent{};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            TEXTMETRICA metrics{};
            GetTextMetricsA(dc, &metrics);
            SelectObject(dc, oldFont);
            ReleaseDC(box, dc);
            int markAndGap = GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth;
            EXPECT_LE(markAndGap + extent.cx, boxRect.right - boxRect.left) << id;
            EXPECT_LE(extent.cy, boxRect.bottom - boxRect.top) << id;
        }

        // Tab goes from the uninterrupted box down the two rows.
        const int order[] = {IDC_PASSWORD_OVERRIDE, IDC_SAVER_PER_MONITOR, IDC_NO_IMMEDIATE_REPEAT};
        for (size_t i = 0; i + 1 < std::size(order); ++i)
            EXPECT_EQ(OptionsControl(order[i + 1]), GetNextDlgTabItem(page, OptionsControl(order[i]), FALSE)) << order[i];
    });
}

// The last TTM_ACTIVATE that each tooltip control of this thread was sent.
std::map<HWND, WPARAM>* activations = nullptr;

LRESULT CALLBACK RecordActivation(int code, WPARAM wp, LPARAM lp)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == TTM_ACTIVATE && activations) (*activations)[call->hwnd] = call->wParam;
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(SettingsPagesTest, ShowTooltipsSwitchesTheTipsOfEveryPageAndPagesOpenedLaterFollow)
{
    std::map<HWND, WPARAM> active;
    activations = &active;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordActivation, nullptr, GetCurrentThreadId());
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        HWND collectionsTips = sheet->GetCollectionsPage().GetToolTip().m_hWnd;
        HWND optionsTips = sheet->GetOptionsPage().GetToolTip().m_hWnd;
        EXPECT_EQ(TRUE, active.at(collectionsTips));
        EXPECT_EQ(TRUE, active.at(optionsTips));

        wintest::Click(OptionsControl(IDC_SHOW_TOOLTIPS));
        EXPECT_EQ(FALSE, active.at(collectionsTips));
        EXPECT_EQ(FALSE, active.at(optionsTips));
        EXPECT_FALSE(Edited().showToolTips);

        ASSERT_TRUE(OpenPage(foldersTab));
        HWND foldersTips = sheet->GetFoldersPage().GetToolTip().m_hWnd;
        EXPECT_EQ(FALSE, active.at(foldersTips));

        ASSERT_TRUE(OpenPage(optionsTab));
        wintest::Click(OptionsControl(IDC_SHOW_TOOLTIPS));
        for (HWND tips : {collectionsTips, optionsTips, foldersTips}) EXPECT_EQ(TRUE, active.at(tips));
        wintest::Click(OptionsControl(IDC_SHOW_TOOLTIPS));
    });
    UnhookWindowsHookEx(hook);
    activations = nullptr;
    // Cancelled: the sheet's copy went with it.
    EXPECT_TRUE(app->GetSettings().Values().showToolTips);
    EXPECT_EQ("", Option("ShowToolTips"));
}

TEST_F(SettingsPagesTest, OptionsAndFoldersAddTheirTipsInOrder)
{
    const char* const minutesTip = "After this period, the above screensaver will be the only one used";
    const Tips options = {
        {IDC_SHOW_TOOLTIPS, "Whether or not to display these popup notes"},
        {IDC_BLANKER, "Select the screensaver to use"},
        {IDC_BLANKER_MINUTES, minutesTip},
        {IDC_BLANKER_SPIN, minutesTip},
        {IDC_SAVER_PER_MONITOR,
         "Show a screensaver of the collection on every monitor, each its own, instead of one over the whole desktop"},
        {IDC_NO_IMMEDIATE_REPEAT,
         "At random, draw again rather than show the screensaver that was just shown in the same place"},
    };
    const Tips folders = {
        {IDC_FOLDER_LIST, "List of additional folders that Tombolix will search when launching a screensaver"},
        {IDC_ADD_FOLDER, "Add a new folder to the list"},
        {IDC_REMOVE_FOLDER, "Remove the currently selected folder from the list"},
    };
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(optionsTab));
        ASSERT_TRUE(OpenPage(foldersTab));
        ExpectTips(sheet->GetOptionsPage(), sheet->GetOptionsPage().GetToolTip(), options);
        ExpectTips(sheet->GetFoldersPage(), sheet->GetFoldersPage().GetToolTip(), folders);
    });
}

}  // namespace
