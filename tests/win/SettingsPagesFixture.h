// The real settings sheet as for the Collections page's tests, with the
// Options and Folders pages opened by their tabs, extra folders of screen
// savers, and a folder chooser that answers as a user would.
#pragma once
#include "CollectionsPageFixture.h"

// Folders under C:\ with empty *.scr files (listed, never started); they go
// with the object.
class TestFolders {
public:
    TestFolders() = default;
    ~TestFolders();
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    // C:\<name> holding <saver>.scr for each name; the folder's path.
    std::string Make(const std::string& name, const Texts& savers);

private:
    std::vector<std::string> made;
};

// Control ids and the texts of their tips, in the order they were added.
using Tips = std::vector<std::pair<int, std::string>>;

// Expects the page's tooltip control to hold exactly these tips, each on
// its control's window and watching it by itself.
void ExpectTips(const CWnd& page, const CToolTipCtrl& toolTip, const Tips& expected);

struct SettingsPagesTest : CollectionsPageTest {
    static constexpr int scheduleTab = 1;
    static constexpr int optionsTab = 3;
    static constexpr int foldersTab = 4;

    TestFolders folders;

    // Brings the tab's page to the front; false when the sheet refused to
    // leave the page shown.
    bool OpenPage(int tab) const;
    int ShownPage() const;
    HWND ScheduleControl(int id) const { return GetDlgItem(sheet->GetSchedulePage().m_hWnd, id); }
    HWND OptionsControl(int id) const { return GetDlgItem(sheet->GetOptionsPage().m_hWnd, id); }
    HWND FoldersControl(int id) const { return GetDlgItem(sheet->GetFoldersPage().m_hWnd, id); }
    // Opens the Folders page with the scripted chooser.
    void OpenFoldersPage();
    // Add with the folder as the user's choice; the notes it showed.
    std::vector<wintest::Answered> AddFolder(const std::string& folder);
    void RemoveFolder(const std::string& shown);
    Texts FolderList() const { return wintest::ListItems(FoldersControl(IDC_FOLDER_LIST)); }
    Texts BlankerList() const { return wintest::ComboItems(OptionsControl(IDC_BLANKER)); }
    // The combo box's selected item, "" when none.
    std::string Blanker() const;

    // A value of the options' registry key as text ("" when missing).
    static std::string Option(const char* name);
    // The folder list as the collections file holds it, "(missing)" when
    // it holds none.
    static std::string StoredFolders();
};
