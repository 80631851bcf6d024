// The real settings sheet in this process, on the application's real
// stored settings, with test screen savers in the Windows and System
// folders; tests drive its Collections page with window messages.
#pragma once
#include "app/App.h"
#include "config/ConfigProp.h"
#include "res/resource.h"

#include "ModalDriver.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// Hands out the folders it was given, one per choice; "" when none is left,
// as a cancelled browser does.
struct ChosenFolders : IFolderChooser {
    std::deque<std::string> answers;
    std::string ownerSeen;
    std::string titleSeen;

    std::string ChooseFolder(HWND owner, const std::string& title) override;
};

struct CollectionsPageTest : ::testing::Test {
    wintest::Fixtures fixtures;
    std::unique_ptr<CApp> app;
    CConfigProp* sheet = nullptr;
    ChosenFolders chosen;
    // What the sheet's Folders page asks for a folder.
    IFolderChooser* folderChooser = &chosen;
    bool closing = false;
    const std::string windows = wintest::WindowsFolder();
    const std::string system = wintest::SystemFolder();
    const std::string wow64 = wintest::SystemWow64Folder();

    void SetUp() override;
    void TearDown() override;

    // Installs test screen savers of these names into the folder.
    void Install(const std::string& folder, const Texts& names);
    // Starts the application object as the program's start does; the
    // collections file and the registry are read now.
    void StartApp();
    // Shows the sheet and runs the script once the Collections page is up;
    // a script that does not close the sheet ends with Cancel. IDOK or IDCANCEL.
    INT_PTR ShowSheet(const std::function<void()>& script);
    // The sheet handles the press after the script has returned.
    void PressOk();
    void PressCancel();

    // The sheet's copy of the settings, which its pages edit.
    ProgramOptions& Edited() const { return sheet->GetEdits().edited; }
    HWND Control(int id) const;
    void Click(int id) const { wintest::Click(Control(id)); }
    void ClickItem(int listId, const std::string& item) const;
    Texts Available() const { return wintest::ListItems(Control(IDC_AVAILABLE)); }
    Texts Selected() const { return wintest::ListItems(Control(IDC_SELECTED)); }
    // The Selected list's current item, "" when none.
    std::string Current() const;
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The ids of the checked level radios.
    std::vector<int> CheckedLevels() const;
    std::string Duration() const { return wintest::WindowText(Control(IDC_DURATION)); }

    // The collections file as the profile functions leave it.
    std::string FileBytes() const;
    // The current collection's name as the program reads it.
    std::string CurrentName() const;
};
