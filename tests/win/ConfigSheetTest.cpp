#include "config/ConfigProp.h"

#include "app/App.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Reads the sheet's tabs and buttons once it is up, then cancels it.
struct SheetInspection {
    std::vector<std::string> tabs;
    bool applyVisible = true;
    bool okPresent = false;
    std::string caption;
};

SheetInspection* inspection = nullptr;

VOID CALLBACK InspectSheet(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND sheet = g_pConfigSheet ? g_pConfigSheet->m_hWnd : nullptr;
    if (!sheet || !IsWindowVisible(sheet)) return;
    KillTimer(nullptr, timer);

    char caption[256] = "";
    GetWindowTextA(sheet, caption, sizeof caption);
    inspection->caption = caption;
    HWND tabControl = PropSheet_GetTabControl(sheet);
    int count = TabCtrl_GetItemCount(tabControl);
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabControl, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        inspection->tabs.push_back(text);
    }
    constexpr int applyButtonId = 0x3021;
    HWND apply = GetDlgItem(sheet, applyButtonId);
    inspection->applyVisible = apply && IsWindowVisible(apply);
    inspection->okPresent = GetDlgItem(sheet, IDOK) != nullptr;
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
}

// The pages start from the application's settings.
struct ConfigSheet : ::testing::Test {
    CApp app;
    SheetInspection seen;

    void SetUp() override
    {
        app.m_appName = "Tombolix2";
        app.OpenStoredSettings();
        inspection = &seen;
    }
    INT_PTR ShowAndCancel(HWND parent)
    {
        std::unique_ptr<CSheetEdits> edits = app.GetStoredState().BeginEdits();
        CShellFolderChooser folderChooser;
        CConfigProp sheet("Tombolix Screensaver", parent, 0, app.GetStoredState(), *edits, folderChooser);
        g_pConfigSheet = &sheet;
        UINT_PTR timer = SetTimer(nullptr, 0, 100, &InspectSheet);
        INT_PTR result = sheet.DoModal();
        KillTimer(nullptr, timer);
        g_pConfigSheet = nullptr;
        return result;
    }
};

TEST_F(ConfigSheet, ShowsSevenTabsInOrderWithoutApply)
{
    EXPECT_EQ(IDCANCEL, ShowAndCancel(nullptr));
    EXPECT_EQ("Tombolix Screensaver", seen.caption);
    EXPECT_EQ((std::vector<std::string>{"Collections", "Schedule", "Tray", "Options", "Folders", "Information",
                                        "Uninstall"}),
              seen.tabs);
    EXPECT_FALSE(seen.applyVisible);
    EXPECT_TRUE(seen.okPresent);
}

// The foreground window it was to stand on, another program's, closed
// while the sheet was being made.
TEST_F(ConfigSheet, OpensOnItsOwnWhenItsOwnerClosedMeanwhile)
{
    HWND gone = CreateWindowA("STATIC", "Gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(gone);
    DestroyWindow(gone);
    EXPECT_EQ(IDCANCEL, ShowAndCancel(gone));
    EXPECT_EQ("Tombolix Screensaver", seen.caption);
    EXPECT_EQ(7u, seen.tabs.size());
}

}  // namespace
