// The Collections page's editing of the collection shown: moving screen
// savers between the lists, their order, and the level and duration of the
// Selected list's current item. Nothing here writes the file.
#include "config/CollectionsPage.h"

#include "os/SystemServices.h"
#include "base/TextPieces.h"
#include "config/SaverListMoves.h"
#include "res/resource.h"
#include "collections/Launcher.h"

std::string CSettingsPage::ShownDuration(const CSaverEntry& entry)
{
    return FormatDecimal(Clamp(entry.GetDuration(), minDuration, maxDuration));
}

void CSettingsPage::UpdateControls()
{
    const int current = m_selectedList.GetCurSel();
    const bool hasCurrent = current >= 0;
    const bool random = m_randomRadio.GetCheck() == BST_CHECKED;

    // Levels weigh only in random mode.
    for (const CButton& radio : m_levelRadio) radio.EnableWindow(hasCurrent && random);
    GetDlgItem(IDC_FREQUENCY).EnableWindow(hasCurrent && random);
    for (int id : {IDC_COPY, IDC_DURATION, IDC_DURATION_LABEL, IDC_MINUTES, IDC_SETTINGS, IDC_PREVIEW,
                   IDC_DURATION_SPIN})
        GetDlgItem(id).EnableWindow(hasCurrent);
    GetDlgItem(IDC_MOVE_UP).EnableWindow(hasCurrent && current > 0);
    GetDlgItem(IDC_MOVE_DOWN).EnableWindow(hasCurrent && current < m_selectedList.GetCount() - 1);
}

CSaverEntry* CSettingsPage::GetSelectedEntry()
{
    if (m_initializing) return nullptr;
    int current = m_selectedList.GetCurSel();
    if (current < 0) return nullptr;
    return &m_pCollection->FindOrAdd(m_selectedList.GetText(current));
}

void CSettingsPage::ShowSelectedEntry()
{
    int current = m_selectedList.GetCurSel();
    if (current >= 0) {
        const CSaverEntry& entry = m_pCollection->FindOrAdd(m_selectedList.GetText(current));
        m_durationText = ShownDuration(entry);
        UpdateData(false);
        // A level outside 0 to 4, from a hand-edited file, checks none.
        for (int level = 0; level < 5; ++level)
            m_levelRadio[level].SetCheck(CheckState(level == entry.GetLevel()));
    }
    UpdateControls();
}

void CSettingsPage::OnMoveAllForward()
{
    MoveAll(m_availableList, m_selectedList);
    UpdateControls();
}

void CSettingsPage::OnMoveAllBack()
{
    MoveAll(m_selectedList, m_availableList);
    UpdateControls();
}

void CSettingsPage::OnMoveForward()
{
    if (MoveSelected(m_availableList, m_selectedList) == 1) ShowSelectedEntry();
    UpdateControls();
}

void CSettingsPage::OnMoveBack()
{
    int current = m_selectedList.GetCurSel();
    MoveSelected(m_selectedList, m_availableList);
    int count = m_selectedList.GetCount();
    if (count > 0) {
        // The item that took the place of the moved one, or the new last;
        // none when none was current.
        m_selectedList.SetCurSel(current < count - 1 ? current : count - 1);
        ShowSelectedEntry();
    }
    UpdateControls();
}

void CSettingsPage::OnMoveUp()
{
    int current = m_selectedList.GetCurSel();
    if (current <= 0) return;
    MoveItem(m_selectedList, current, current - 1);
    UpdateControls();
}

void CSettingsPage::OnMoveDown()
{
    int current = m_selectedList.GetCurSel();
    if (current < 0 || current >= m_selectedList.GetCount() - 1) return;
    MoveItem(m_selectedList, current, current + 1);
    UpdateControls();
}

void CSettingsPage::OnModeChanged()
{
    UpdateControls();
}

void CSettingsPage::OnLevel(int level)
{
    if (CSaverEntry* entry = GetSelectedEntry()) entry->SetLevel(level);
}

// Typed values run from 0 to 99999; only the up-down keeps to 1 to 32767.
void CSettingsPage::OnDurationChanged()
{
    if (m_initializing) return;
    CSaverEntry* entry = GetSelectedEntry();
    if (!entry) return;
    // The text as it stands. An emptied edit, the text shown for the entry
    // (also when it is a stored duration out of range, shown clamped) and
    // anything but a number in range keep the duration; leaving the page
    // refuses only the last.
    m_durationText = GetDlgItem(IDC_DURATION).GetWindowText();
    if (m_durationText == ShownDuration(*entry)) return;
    if (auto minutes = ReadBoundedNumber(m_durationText, minDuration, maxDuration)) entry->SetDuration(*minutes);
}

void CSettingsPage::OnCopy()
{
    CSaverEntry* entry = GetSelectedEntry();
    if (!entry) return;
    m_pCollection->CopyLevelAndDuration(*entry);
    MessageBoxA(m_hWnd, "These settings have been copied to the other screensavers.", "Copy",
                MB_OK | MB_ICONINFORMATION);
}

void CSettingsPage::OnSettings()
{
    LaunchSelected("/c", NORMAL_PRIORITY_CLASS);
}

void CSettingsPage::OnPreview()
{
    LaunchSelected("/s", IDLE_PRIORITY_CLASS);
}

// Searched in the folders the sheet lists now, added ones included.
void CSettingsPage::LaunchSelected(const char* arguments, DWORD priority)
{
    if (CSaverEntry* entry = GetSelectedEntry())
        LaunchScreenSaver(m_edits.edited.folders, entry->GetName(), arguments, priority);
}
