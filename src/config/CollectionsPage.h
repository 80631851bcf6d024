// The Collections page of the settings sheet: picks, creates and deletes
// collections and edits the one shown, all in the sheet's copy. Its two
// lists show the sheet's catalogue of screen savers, split by the
// collection's selection.
#pragma once
#include "collections/Collection.h"
#include "collections/StoredState.h"
#include "config/SaverCatalogue.h"
#include "config/SheetPage.h"
#include "framework/Controls.h"
#include "framework/MessageMap.h"

#include <string>

class CSettingsPage : public CSheetPage, private ICatalogueWatcher {
public:
    CSettingsPage(CStoredState& stored, CSheetEdits& edits, CSaverCatalogue& catalogue);
    ~CSettingsPage() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // The collection shown, from the combo box's current item.
    void OfferDefaultCollection();
    void LoadCollection();
    // Searches the folders again and fills both lists from the catalogue.
    void ShowSavers();
    // A folder's names come into the Available list or leave both lists.
    void OnCatalogueChanged(const CatalogueChange& change) override;
    // Takes the lists into the collection shown, in the sheet's copy.
    void StoreCollection();
    // Starts the Selected list's current screen saver with the arguments.
    void LaunchSelected(const char* arguments, DWORD priority);

    // Editing the collection shown.
    void UpdateControls();
    CSaverEntry* GetSelectedEntry();
    void ShowSelectedEntry();

    // Typed durations; the up-down control keeps to 1 to 32767 itself.
    static constexpr int minDuration = 0;
    static constexpr int maxDuration = 99999;
    // A stored duration out of range shows within it, so the page can
    // always be left; it is written back only once the user changes it.
    static std::string ShownDuration(const CSaverEntry& entry);

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
    CSaverCatalogue& m_catalogue;
    CStoredState& m_stored;
    CCollection* m_pCollection = nullptr;   // owned by the sheet's copy
    // While true, the level radios and the duration edit change no entry.
    bool m_initializing = true;
};
