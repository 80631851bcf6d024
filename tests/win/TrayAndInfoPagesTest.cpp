// The Tray and Information pages of the real sheet, driven as a user's
// clicks drive them; the addresses they open are seen through the shell's
// own lookup, pointed at a test program.
#include "CollectionsPageFixture.h"

#include "os/SystemServices.h"
#include "collections/Settings.h"

#include <algorithm>

namespace {

using namespace std::chrono_literals;

constexpr int trayPageIndex = 2;
constexpr int informationPageIndex = 5;

struct SheetPagesTest : CollectionsPageTest {
    HWND page = nullptr;

    // The sheet creates a page the first time it is opened.
    void OpenPage(int index)
    {
        PropSheet_SetCurSel(sheet->m_hWnd, nullptr, index);
        wintest::WaitUntil([&] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            page = PropSheet_GetCurrentPageHwnd(sheet->m_hWnd);
            return page && TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet->m_hWnd)) == index;
        }, 5s);
    }
    HWND PageControl(int id) const { return GetDlgItem(page, id); }
    bool PageChecked(int id) const { return SendMessageA(PageControl(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    static DWORD ConfigNumber(const char* name)
    {
        std::string text = ReadRegistryString(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", name);
        return text.empty() ? 0xFFFFFFFF : static_cast<DWORD>(std::stoul(text));
    }
};

TEST_F(SheetPagesTest, TheTrayPageHidesItsStartUpBoxAndEnablesItWithTheTray)
{
    bool autoStartVisible = true;
    std::vector<bool> autoStartEnabled;
    ShowSheet([&] {
        OpenPage(trayPageIndex);
        autoStartVisible = IsWindowVisible(PageControl(IDC_AUTO_START)) != FALSE;
        EXPECT_TRUE(PageChecked(IDC_USE_TRAY));
        EXPECT_TRUE(PageChecked(IDC_AUTO_START));
        autoStartEnabled.push_back(IsWindowEnabled(PageControl(IDC_AUTO_START)) != FALSE);
        for (int click = 0; click < 3; ++click) {
            wintest::Click(PageControl(IDC_USE_TRAY));
            autoStartEnabled.push_back(IsWindowEnabled(PageControl(IDC_AUTO_START)) != FALSE);
        }
        PressOk();
    });
    EXPECT_FALSE(autoStartVisible);
    EXPECT_EQ((std::vector<bool>{true, false, true, false}), autoStartEnabled);
    EXPECT_EQ(0u, ConfigNumber("UseTray"));
    EXPECT_EQ(0xFFFFFFFFu, ConfigNumber("AutoStart"));   // unchanged: not written
    EXPECT_FALSE(app->GetSettings().Values().useTray);

    // Cancel writes nothing of the page.
    wintest::SetConfigInt("UseTray", 1);
    app.reset();
    ShowSheet([&] {
        OpenPage(trayPageIndex);
        wintest::Click(PageControl(IDC_USE_TRAY));
        PressCancel();
    });
    EXPECT_EQ(1u, ConfigNumber("UseTray"));
}

TEST_F(SheetPagesTest, TheInformationPageNamesTheVersionAndDrawsOnlyItsLinksInBlue)
{
    std::string heading, body, site, support;
    std::vector<COLORREF> colours;
    ShowSheet([&] {
        OpenPage(informationPageIndex);
        heading = wintest::WindowText(PageControl(IDC_INFO_HEADING));
        body = wintest::WindowText(PageControl(IDC_INFO_BODY));
        site = wintest::WindowText(PageControl(IDC_SITE_LINK));
        support = wintest::WindowText(PageControl(IDC_SUPPORT_LINK));
        HDC dc = CreateCompatibleDC(nullptr);
        for (int id : {IDC_SITE_LINK, IDC_SUPPORT_LINK, IDC_INFO_BODY, IDC_INFO_HEADING}) {
            SetTextColor(dc, RGB(1, 2, 3));
            SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(PageControl(id)));
            colours.push_back(GetTextColor(dc));
        }
        DeleteDC(dc);
    });
    EXPECT_EQ("Tombolix Screensaver v2.0.4.1", heading);
    EXPECT_EQ("Answers to common support questions are available on www.brackwen.example/faq.htm. "
              "Please read these before emailing for support.\r\n\r\n",
              body);
    EXPECT_EQ("www.brackwen.example", site);
    EXPECT_EQ("www.brackwen.example/faq.htm", support);
    ASSERT_EQ(4u, colours.size());
    EXPECT_EQ(RGB(0, 0, 255), colours[0]);
    EXPECT_EQ(RGB(0, 0, 255), colours[1]);
    EXPECT_NE(RGB(0, 0, 255), colours[2]);
    EXPECT_NE(RGB(0, 0, 255), colours[3]);
}

TEST_F(SheetPagesTest, ALinkOpensItsAddressAtEachClickAndHandsTheFocusToHelp)
{
    const std::string viewer = wintest::ProgramFolder() + "\\LinkViewer.exe";
    fixtures.InstallAt(viewer);
    wintest::ShellOpenOverride browser("https", viewer);
    std::vector<bool> helpFocused;
    ShowSheet([&] {
        OpenPage(informationPageIndex);
        for (int id : {IDC_SUPPORT_LINK, IDC_SUPPORT_LINK, IDC_SITE_LINK}) {
            wintest::ClickInside(PageControl(id));
            helpFocused.push_back(GetFocus() == PageControl(IDC_HELP_PAGE));
        }
    });
    EXPECT_EQ((std::vector<bool>{true, true, true}), helpFocused);
    const std::string started = "LinkViewer start \"" + viewer + "\" ";
    std::vector<std::string> starts;
    EXPECT_TRUE(wintest::WaitUntil([&] {
        starts.clear();
        for (const std::string& line : fixtures.Log())
            if (line.compare(0, started.size(), started) == 0) starts.push_back(line.substr(started.size()));
        return starts.size() >= 3;
    }, 10s));
    // Each viewer is a process of its own: they log in any order.
    std::sort(starts.begin(), starts.end());
    EXPECT_EQ((std::vector<std::string>{"\"https://www.brackwen.example/\"",
                                        "\"https://www.brackwen.example/faq.htm\"",
                                        "\"https://www.brackwen.example/faq.htm\""}),
              starts);
}

}  // namespace
