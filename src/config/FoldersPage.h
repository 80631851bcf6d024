// The Folders page of the settings sheet: the extra folders searched for
// screen savers besides the Windows and System folders. It keeps the
// Collections page's lists and the Options page's blanker list in step
// with the folders it adds and removes.
#pragma once
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "os/FolderChooser.h"
#include "os/Win32FileSystem.h"

class CFoldersPage : public CSheetPage {
public:
    explicit CFoldersPage(CSheetEdits& edits);
    ~CFoldersPage() override;

    // Where Add asks for a folder; the shell's folder browser until another
    // is given.
    void SetFolderChooser(IFolderChooser& chooser) { folderChooser = &chooser; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void ShowAlwaysSearchedFolders();
    void RefillBlankerList();

    static const CommandMapEntry<CFoldersPage> messageMap[];
    // The handlers of the message map.
    void OnAdd();
    void OnRemove();

    CListBox m_folderList;
    CWin32FileSystem m_fileSystem;
    CShellFolderChooser m_shellFolderChooser;
    IFolderChooser* folderChooser;
};
