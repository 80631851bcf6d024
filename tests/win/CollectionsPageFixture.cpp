#include "CollectionsPageFixture.h"

#include "os/SystemServices.h"

void CollectionsPageTest::SetUp()
{
    wintest::ClearStoredSettings();
}

void CollectionsPageTest::TearDown()
{
    app.reset();
    wintest::ClearStoredSettings();
}

void CollectionsPageTest::Install(const std::string& folder, const Texts& names)
{
    for (const std::string& name : names) fixtures.Install(folder, name);
}

void CollectionsPageTest::StartApp()
{
    app = std::make_unique<CApp>();
    app->m_appName = "Tombolix2";
    app->OpenStoredSettings();
}

INT_PTR CollectionsPageTest::ShowSheet(const std::function<void()>& script)
{
    if (!app) StartApp();
    // As the program's start does it: a sheet on what is stored now.
    std::unique_ptr<CSheetEdits> edits = app->GetStoredState().BeginEdits();
    CConfigProp shown("Tombolix Screensaver", nullptr, 0, app->GetStoredState(), *edits, *folderChooser);
    sheet = &shown;
    g_pConfigSheet = &shown;
    INT_PTR result = wintest::RunModal(
        [&] { return shown.DoModal(); },
        [&] { return shown.m_hWnd && IsWindowVisible(shown.m_hWnd) && shown.GetCollectionsPage().IsWindow(); },
        [&] {
            closing = false;
            script();
            if (!closing) PressCancel();
        });
    g_pConfigSheet = nullptr;
    sheet = nullptr;
    return result;
}

void CollectionsPageTest::PressOk()
{
    closing = true;
    PropSheet_PressButton(sheet->m_hWnd, PSBTN_OK);
}

void CollectionsPageTest::PressCancel()
{
    closing = true;
    PropSheet_PressButton(sheet->m_hWnd, PSBTN_CANCEL);
}

HWND CollectionsPageTest::Control(int id) const
{
    return GetDlgItem(sheet->GetCollectionsPage().m_hWnd, id);
}

void CollectionsPageTest::ClickItem(int listId, const std::string& item) const
{
    HWND list = Control(listId);
    int index = static_cast<int>(SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(item.c_str())));
    ASSERT_GE(index, 0) << item;
    wintest::ClickItem(list, index);
}

std::string CollectionsPageTest::Current() const
{
    HWND list = Control(IDC_SELECTED);
    int current = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    return current < 0 ? "" : wintest::ListItems(list)[static_cast<size_t>(current)];
}

std::vector<int> CollectionsPageTest::CheckedLevels() const
{
    std::vector<int> checked;
    for (int id = IDC_LEVEL_VERY_HIGH; id <= IDC_LEVEL_VERY_LOW; ++id)
        if (Checked(id)) checked.push_back(id);
    return checked;
}

std::string CollectionsPageTest::FileBytes() const
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
    return wintest::ReadFileBytes(windows + "\\Tombolix2.ini");
}

std::string CollectionsPageTest::CurrentName() const
{
    std::string name = ReadRegistryString(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", "Current");
    return name.empty() ? "Default" : name;
}

std::string ChosenFolders::ChooseFolder(HWND owner, const std::string& title)
{
    ownerSeen = wintest::WindowText(GetParent(owner));
    titleSeen = title;
    if (answers.empty()) return "";
    std::string folder = answers.front();
    answers.pop_front();
    return folder;
}
