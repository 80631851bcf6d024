// The application object: seeds the generator, chooses the run mode, applies
// the rules by which instances of the program coexist, and owns everything
// that lives as long as the process.
#pragma once
#include "app/Random.h"
#include "app/RunMode.h"
#include "framework/WinApp.h"

#include <cstdint>
#include <memory>
#include <string>

class CComInit;
class CMainWnd;
class CSaveJournal;
class CSettings;
class CStoredState;
class CWnd;
class IFileLock;
class IProfileFile;
class ISettingsStore;

extern std::string g_appTitle;   // "Tombolix2": the window title by which instances find each other

class CApp : public CWinApp {
public:
    CApp();
    ~CApp() override;

    bool InitInstance() override;
    int ExitInstance() override;
    // The first step of every start, whatever the mode: the registry key,
    // the title, the options and the collections file under their lock,
    // and the import of the older file on the first start.
    void OpenStoredSettings();

    RunMode GetMode() const { return mode; }
    CStoredState& GetStoredState() { return *storedState; }
    CSettings& GetSettings();
    bool IsPasswordInUse() const { return passwordInUse; }
    int64_t GetStartTime() const { return startTime; }
    bool IsTraceEnabled() const { return traceEnabled; }

    // Starts the resident instance when the settings want one and none runs;
    // true when it did.
    bool EnsureTrayInstance();
    // Shows a settings sheet on what is stored now and applies its outcome;
    // true after OK.
    bool RunConfiguration(CWnd* parent);
    // Finds <name>.scr in the system folder, the Windows folder or an extra
    // folder and starts it with the arguments; true when a process started.
    bool LaunchScreenSaver(const std::string& name, const std::string& arguments, uint32_t creationFlags,
                           HANDLE* process = nullptr, DWORD* processId = nullptr);

    CRandom rand;

private:
    bool StartTrayMode();
    bool StartConfigurationMode();
    bool StartScreenSaverMode();
    bool StartTrayInstance();
    // After the sheet's OK: starts the resident instance when none of any
    // version runs, or closes every one of them.
    void MatchTrayInstance(bool useTray);
    void ShowChangePasswordNote();
    void ImportOlderFileOnFirstStart();

    std::unique_ptr<ISettingsStore> settingsStore;
    std::unique_ptr<IFileLock> collectionsLock;
    std::unique_ptr<CSaveJournal> collectionsJournal;
    std::unique_ptr<IProfileFile> collectionsFile;
    std::unique_ptr<CStoredState> storedState;
    std::unique_ptr<CMainWnd> frame;
    bool trayMutexExisted = false;
    RunMode mode = ModeNone;
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
