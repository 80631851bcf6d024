// The application object's dealings with the settings sheet and the
// resident instance: what the sheet's closing starts, stops and removes,
// and what the resident instance's menu asks of the program.
#include "app/App.h"

#include "os/SystemServices.h"
#include "app/VirtualStoreCopy.h"
#include "collections/Schedule.h"
#include "collections/Settings.h"
#include "collections/StoredState.h"
#include "config/ConfigProp.h"
#include "os/MachineMutex.h"
#include "os/OwnedHandle.h"
#include "os/Win32FileSystem.h"
#include "app/TombolixWindows.h"
#include "tray/AutoStart.h"

namespace {

// Only Cancel gets here with a failure: OK keeps the sheet open instead.
void ReportRemovalFailures(const StoreFailures& failed)
{
    if (!failed.Any()) return;
    std::string text = "Tombolix could not remove all of its stored settings.";
    if (failed.collectionsFile) text += "\n\nThe file " + GetWindowsFolder() + "\\Tombolix2.ini could not be deleted.";
    if (failed.settingsStore)
        text += "\n\nThe registry key HKEY_CURRENT_USER\\" + GetApp().GetAppRegistryPath() + " could not be deleted.";
    ShowError(nullptr, text);
}

}  // namespace

bool CApp::StartTrayInstance()
{
    return LaunchScreenSaver(g_appTitle, "/tray", NORMAL_PRIORITY_CLASS);
}

void CApp::MatchTrayInstance(bool useTray)
{
    // Off, every resident instance goes, an earlier version's too; on, an
    // earlier version's stays in the place of ours.
    const TombolixWindows running = FindTombolixWindows();
    if (!useTray) {
        if (running.tray) PostMessageA(running.tray, WM_CLOSE, 0, 0);
        CloseEarlierVersions(running);
    } else if (!running.tray && running.earlier.empty()) {
        StartTrayInstance();
    }
}

bool CApp::EnsureTrayInstance()
{
    if (!GetSettings().Values().autoStart || !GetSettings().Values().useTray) return false;
    COwnedHandle mutex(CreateMutexA(nullptr, FALSE, trayMutexName));
    // A mutex that cannot be created counts as one that did not exist.
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) return false;
    // Let go before the start: held here, it would turn the new instance away.
    mutex.Close();
    StartTrayInstance();
    return true;
}

bool CApp::RunConfiguration(CWnd* parent)
{
    std::unique_ptr<CSheetEdits> edits = storedState->BeginEdits();
    CShellFolderChooser folderChooser;
    auto sheet = std::make_unique<CConfigProp>("Tombolix Screensaver", parent ? parent->m_hWnd : nullptr, 0,
                                               *storedState, *edits, folderChooser);
    g_pConfigSheet = sheet.get();
    bool ok = sheet->DoModal() == IDOK;
    g_pConfigSheet = nullptr;
    // Step 1 holds with Cancel too, but then leaves the resident instance
    // and the start with Windows as they are.
    if (edits->IsUninstallRequested()) {
        if (!ok) ReportRemovalFailures(storedState->RemoveEverything());
        // Removed for good: no later start imports the older file again or
        // takes the VirtualStore copy back.
        ForgetVirtualStoreCopy(*settingsStore);
        settingsStore->WriteInt("Config", olderFileImportedValue, 1);
    }
    if (!ok) return false;

    CSettings& settings = GetSettings();
    if (edits->IsUninstallRequested()) {
        // Nothing is stored any more: the sheet's copy says what the resident
        // instance does now (the Tray page, if opened, has the last word).
        ProgramOptions inEffect = settings.Values();
        inEffect.useTray = edits->edited.useTray;
        inEffect.autoStart = edits->edited.autoStart;
        settings.HoldInMemory(inEffect);
    }
    MatchTrayInstance(settings.Values().useTray);
    ApplyAutoStart(settings.Values());
    return true;
}


bool CApp::ConfigureEndsTray()
{
    return RunConfiguration(nullptr) && !GetSettings().Values().useTray;
}

std::string CApp::CollectionInEffectNow()
{
    // Read afresh, apart from the settings this process goes by.
    IProfileFile& file = storedState->GetCollectionsFile();
    const CSettings stored(*settingsStore, file);
    return ::CollectionInEffect(file, stored.Values().followSchedule, ReadCurrentName(*settingsStore),
                                ReadLocalTime())
        .collection;
}

void CApp::RunOwnScreenSaver()
{
    LaunchScreenSaver(g_appTitle, "/s", IDLE_PRIORITY_CLASS);
}

void CApp::StopStartingWithWindows()
{
    // Only the one value: whatever a sheet stored since this instance
    // started stays.
    ProgramOptions options = GetSettings().Values();
    options.autoStart = false;
    storedState->ApplyOptions(options);
    RemoveAutoStart();
    // No Tombolix is left in the notification area, of an earlier version either.
    CloseEarlierVersions(FindTombolixWindows());
}

HWND CApp::SettingsWindow() const
{
    return g_pConfigSheet ? g_pConfigSheet->m_hWnd : nullptr;
}
