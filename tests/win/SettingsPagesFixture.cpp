#include "SettingsPagesFixture.h"

#include "os/SystemServices.h"

#include <algorithm>

TestFolders::~TestFolders()
{
    for (const std::string& folder : made) {
        WIN32_FIND_DATAA file;
        HANDLE search = FindFirstFileA((folder + "\\*.scr").c_str(), &file);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileA((folder + "\\" + file.cFileName).c_str());
            while (FindNextFileA(search, &file));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }
}

std::string TestFolders::Make(const std::string& name, const Texts& savers)
{
    std::string folder = "C:\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    made.push_back(folder);
    for (const std::string& saver : savers) wintest::WriteFileBytes(folder + "\\" + saver + ".scr", "");
    return folder;
}

void ExpectTips(const CWnd& page, const CToolTipCtrl& toolTip, const Tips& expected)
{
    ASSERT_EQ(static_cast<LRESULT>(expected.size()), toolTip.SendMessage(TTM_GETTOOLCOUNT));
    for (size_t i = 0; i < expected.size(); ++i) {
        char text[256] = "";
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        ASSERT_TRUE(toolTip.SendMessage(TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS), tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS));
        EXPECT_EQ(page.m_hWnd, tool.hwnd);
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetDlgItem(page, expected[i].first)), tool.uId) << i;
        toolTip.SendMessage(TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        // The message hands back no more than 80 characters of a tip.
        EXPECT_EQ(expected[i].second.substr(0, 80), text) << i;
    }
}

bool SettingsPagesTest::OpenPage(int tab) const
{
    PropSheet_SetCurSel(sheet->m_hWnd, nullptr, tab);
    return ShownPage() == tab;
}

int SettingsPagesTest::ShownPage() const
{
    return TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet->m_hWnd));
}

void SettingsPagesTest::OpenFoldersPage()
{
    ASSERT_TRUE(OpenPage(foldersTab));
}

std::vector<wintest::Answered> SettingsPagesTest::AddFolder(const std::string& folder)
{
    chosen.answers.push_back(folder);
    // A note, when one comes, shows while the click is handled.
    return wintest::AnsweringEach(wintest::PressOk(), [&] { wintest::Click(FoldersControl(IDC_ADD_FOLDER)); });
}

void SettingsPagesTest::RemoveFolder(const std::string& shown)
{
    // The item of exactly this spelling; the list's own search ignores case.
    Texts items = FolderList();
    auto item = std::find(items.begin(), items.end(), shown);
    ASSERT_NE(items.end(), item) << shown;
    wintest::ClickItem(FoldersControl(IDC_FOLDER_LIST), static_cast<int>(item - items.begin()));
    wintest::Click(FoldersControl(IDC_REMOVE_FOLDER));
}

std::string SettingsPagesTest::Blanker() const
{
    HWND combo = OptionsControl(IDC_BLANKER);
    int current = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return current < 0 ? "" : BlankerList()[static_cast<size_t>(current)];
}

std::string SettingsPagesTest::Option(const char* name)
{
    return ReadRegistryString(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", name);
}

std::string SettingsPagesTest::StoredFolders()
{
    return wintest::ReadProfileString("Tombolix2.ini", "TombolixInternal", "Folders");
}
