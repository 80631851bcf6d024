// The framework's modal dialog and its data exchange in both directions.
#include "framework/Dialog.h"
#include "framework/WinApp.h"

#include "FrameworkTestIds.h"
#include "ModalDriver.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class CExchangeDialog : public CDialog {
public:
    CExchangeDialog() : CDialog(IDD_EXCHANGE) {}

    int shown = BST_CHECKED;
    std::string name = "Clock";

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Check(pDX, IDC_EXCHANGE_CHECK, shown);
        DDX_Text(pDX, IDC_EXCHANGE_TEXT, name);
        DDV_MaxChars(pDX, name, 3);
    }
};

struct DialogTest : ::testing::Test {
    CWinApp app;
    CExchangeDialog dialog;

    void SetUp() override { app.m_appName = "Tombolix2"; }

    INT_PTR Show(const std::function<void(HWND)>& script)
    {
        return wintest::RunModal([&] { return dialog.DoModal(); },
                                 [&] { return dialog.m_hWnd && IsWindowVisible(dialog.m_hWnd); },
                                 [&] { script(dialog.m_hWnd); });
    }
};

TEST_F(DialogTest, OkTakesTheControlsUnlessATextIsTooLong)
{
    INT_PTR result = Show([](HWND window) {
        HWND check = GetDlgItem(window, IDC_EXCHANGE_CHECK);
        HWND edit = GetDlgItem(window, IDC_EXCHANGE_TEXT);
        EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
        EXPECT_EQ("Clock", wintest::WindowText(edit));
        wintest::Click(check);

        auto seen = wintest::Answering({wintest::PressOk()}, [&] { wintest::Click(GetDlgItem(window, IDOK)); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Tombolix2", seen[0].caption);
        EXPECT_EQ("Please enter no more than 3 characters.", seen[0].text);
        ASSERT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(edit, GetFocus());
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(0u, start);
        EXPECT_EQ(5u, end);

        wintest::Retype(edit, "Skyline");   // the edit takes three
        wintest::Click(GetDlgItem(window, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(BST_UNCHECKED, dialog.shown);
    EXPECT_EQ("Sky", dialog.name);
}

TEST_F(DialogTest, CancelLeavesTheMembers)
{
    INT_PTR result = Show([](HWND window) {
        wintest::Click(GetDlgItem(window, IDC_EXCHANGE_CHECK));
        wintest::Retype(GetDlgItem(window, IDC_EXCHANGE_TEXT), "Sky");
        wintest::Click(GetDlgItem(window, IDCANCEL));
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(BST_CHECKED, dialog.shown);
    EXPECT_EQ("Clock", dialog.name);
}

}  // namespace
