// The application object: seeds the generator, chooses the run mode, applies
// the rules by which instances of the program coexist, and owns everything
// that lives as long as the process.
#pragma once
#include "base/Random.h"
#include "framework/WinApp.h"
#include "tray/TrayActions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CComInit;
class CFrameWnd;
class CSaveJournal;
class CSessionWnd;
class CSettings;
class CStoredState;
class CWnd;
class IFileLock;
class IProfileFile;
class ISettingsStore;


class CApp : public CWinApp, private ITrayActions {
public:
    CApp();
    ~CApp() override;

    bool InitInstance() override;
    int ExitInstance() override;
    // The first step of every start, whatever the mode: the registry key,
    // the title, the options and the collections file under their lock,
    // and the import of the older file on the first start.
    void OpenStoredSettings();

    CStoredState& GetStoredState() { return *storedState; }
    CSettings& GetSettings();

    // Starts the resident instance when the settings want one and none runs;
    // true when it did.
    bool EnsureTrayInstance();
    // Shows a settings sheet on what is stored now and applies its outcome;
    // true after OK.
    bool RunConfiguration(CWnd* parent);
    // Finds <name>.scr in the system folder, the Windows folder or an extra
    // folder and starts it with the arguments; true when a process started.
    bool LaunchScreenSaver(const std::string& name, const std::string& arguments, uint32_t creationFlags);

    CRandom rand;

private:
    void NameTheProgram();
    bool StartTrayMode();
    bool StartConfigurationMode();
    bool StartScreenSaverMode();
    bool StartPreviewMode(std::optional<uint64_t> windowNumber);
    bool StartTrayInstance();
    // After the sheet's OK: starts the resident instance when none of any
    // version runs, or closes every one of them.
    void MatchTrayInstance(bool useTray);
    void ShowChangePasswordNote();
    void ImportOlderFileOnFirstStart();
    std::unique_ptr<CSessionWnd> MakeSessionWindow();

    // What the resident instance's menu asks of the program.
    bool ConfigureEndsTray() override;
    void RunOwnScreenSaver() override;
    void StopStartingWithWindows() override;
    bool IsTraceEnabled() const override { return traceEnabled; }
    HWND SettingsWindow() const override;
    std::string CollectionInEffectNow() override;

    // Names that older versions and other users' processes share.
    static constexpr const char* trayMutexName = "BrackwenTombolix";
    // Set once the older file was imported: with it, the import never runs again.
    static constexpr const char* olderFileImportedValue = "OlderFileImported";

    std::unique_ptr<ISettingsStore> settingsStore;
    std::unique_ptr<IFileLock> collectionsLock;
    std::unique_ptr<CSaveJournal> collectionsJournal;
    std::unique_ptr<IProfileFile> collectionsFile;
    std::unique_ptr<CStoredState> storedState;
    // The session's window or the resident instance's, as the mode wants.
    std::unique_ptr<CFrameWnd> frame;
    bool trayMutexExisted = false;
    bool traceEnabled = false;
    bool passwordInUse = false;
    int64_t startTime = 0;
    // Only what this process switched on is switched off at exit.
    bool announcedScreenSaverRunning = false;
    // COM, started only where the shell's folder browser, its opening of
    // pages and its shortcuts are used: the sheet and the resident instance.
    void StartCom();
    std::unique_ptr<CComInit> com;
};

CApp& GetApp();
