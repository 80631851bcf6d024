// The Folders page of the settings sheet: the extra folders searched for
// screen savers besides the Windows and System folders. The names of a
// folder it adds or removes join or leave the sheet's catalogue at once.
#pragma once
#include "config/SaverCatalogue.h"
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "os/FolderChooser.h"
#include "os/Win32FileSystem.h"

class CFoldersPage : public CSheetPage {
public:
    // Add asks the chooser for a folder.
    CFoldersPage(CSheetEdits& edits, CSaverCatalogue& catalogue, IFolderChooser& folderChooser);
    ~CFoldersPage() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void ShowAlwaysSearchedFolders();

    static const CommandMapEntry<CFoldersPage> messageMap[];
    // The handlers of the message map.
    void OnAdd();
    void OnRemove();

    CListBox m_folderList;
    CWin32FileSystem m_fileSystem;
    CSaverCatalogue& m_catalogue;
    IFolderChooser& m_folderChooser;
};
