// The Collections page of the settings sheet: picks, creates and deletes
// collections and edits the one shown. Its two lists are also the sheet's
// catalogue of every screen saver found, which the Folders and Options
// pages read and change.
#pragma once
#include "collections/Collection.h"
#include "collections/FileFinder.h"
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "os/Win32FileSystem.h"

#include <memory>
#include <string>

class CSettingsPage : public CSheetPage {
public:
    CSettingsPage();
    ~CSettingsPage() override;

    const CListBox& GetAvailableList() const { return m_availableList; }
    const CListBox& GetSelectedList() const { return m_selectedList; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // The collection shown, from the combo box's current item.
    void OfferDefaultCollection();
    void LoadCollection();
    void ListAvailableSavers();
    void ShowSelectedSavers();
    void StoreCollection();

    // Editing the collection shown.
    void UpdateControls();
    CSaverEntry* GetSelectedEntry();
    void ShowSelectedEntry();

    static const CommandMapEntry<CSettingsPage> messageMap[];
    // The handlers of the message map.
    void OnDelete();
    void OnNew();
    void OnCollectionClosedUp();
    void OnMoveAllBack();
    void OnMoveBack();
    void OnMoveAllForward();
    void OnMoveForward();
    void OnMoveUp();
    void OnMoveDown();
    void OnLevel(int level);
    void OnDurationChanged();
    void OnCopy();
    void OnSettings();
    void OnPreview();
    void OnModeChanged();

    CSpinButtonCtrl m_spin;
    CButton m_copyButton;
    CComboBox m_collectionCombo;
    CListBox m_selectedList;
    CListBox m_availableList;
    std::string m_durationText;
    CButton m_levelRadio[5];
    CButton m_cycleRadio;
    CButton m_randomRadio;
    CWin32FileSystem m_fileSystem;
    CFileFinder m_windowsFinder;
    CFileFinder m_systemFinder;
    std::unique_ptr<CCollection> m_pCollection;
    // While true, the level radios and the duration edit change no entry.
    bool m_initializing = true;
};
