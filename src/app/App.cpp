#include "app/App.h"

#include "base/CommandLine.h"
#include "os/SystemServices.h"
#include "os/Trace.h"
#include "app/VirtualStoreCopy.h"
#include "collections/Collection.h"
#include "collections/OlderFileImport.h"
#include "collections/Schedule.h"
#include "collections/Settings.h"
#include "collections/StoredState.h"
#include "base/TextPieces.h"
#include "config/ConfigProp.h"
#include "os/ComInit.h"
#include "os/MachineMutex.h"
#include "os/OwnedHandle.h"
#include "os/PrivateProfileFile.h"
#include "framework/RegistrySettingsStore.h"
#include "os/Win32FileSystem.h"
#include "res/resource.h"
#include "collections/Launcher.h"
#include "session/PreviewWnd.h"
#include "session/SessionWnd.h"
#include "app/TombolixWindows.h"
#include "tray/AutoStart.h"
#include "tray/TrayWnd.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// The names below are shared with older versions and with the installer,
// which look for the same mutexes, key and files: they never change.
const char* const screenSaverMutexName = "BrackwenTombolixScreensaver";
const char* const desktopKey = "Control Panel\\Desktop";
// Held across every read-modify-write of the collections file.
const char* const collectionsLockName = "BrackwenTombolixCollectionsFile";

std::vector<std::string> CommandLineArguments()
{
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
    return arguments;
}

void TraceSeed(int lineNumber, int32_t seed)
{
    TraceWrite(".\\App line %d : rand.seed() = %d", lineNumber, seed);
}

}  // namespace

CApp& GetApp() { return static_cast<CApp&>(*AfxGetApp()); }

CApp::CApp()
    : rand(static_cast<int32_t>(time(nullptr))), startTime(_time64(nullptr))
{
    traceEnabled = getenv("PO") && getenv("BRACTEMP");
    if (auto seed = ReadSeedArgument(CommandLineArguments())) {
        rand.SetSeed(*seed);
        // The line numbers are those the trace has always shown: reports
        // and the help page quote them.
        if (traceEnabled) TraceSeed(62, rand.seed());
    } else if (traceEnabled) {
        TraceSeed(66, rand.seed());
    }
}

CApp::~CApp()
{
    frame.reset();
    storedState.reset();
}

CSettings& CApp::GetSettings()
{
    return storedState->GetSettings();
}

// The registry key the options live under, and the title every window
// and box of the program carries.
void CApp::NameTheProgram()
{
    SetRegistryKey("Brackwen");
    g_appTitle = AfxLoadString(IDS_APP_TITLE);
}

void CApp::OpenStoredSettings()
{
    NameTheProgram();
    settingsStore = std::make_unique<CRegistrySettingsStore>(*this);
    collectionsLock = std::make_unique<CMachineMutex>(collectionsLockName);
    // Without a place for the record, no save is made unprotected.
    collectionsJournal = std::make_unique<CSaveJournal>(GetWindowsFolder() + "\\Tombolix2.ini",
                                                        CSaveJournal::UserRecordPath("Tombolix2.ini"));
    auto file = std::make_unique<CPrivateProfileFile>("Tombolix2.ini", collectionsLock.get(), collectionsJournal.get());
    {
        // Before anything reads the file: a save cut off is undone, and the
        // 64-bit program's first start takes the user's VirtualStore copy.
        CFileLockGuard held(collectionsLock.get());
        file->RestoreCutOffSave();
        AdoptVirtualStoreCopy(*file, *settingsStore);
    }
    collectionsFile = std::move(file);
    storedState = std::make_unique<CStoredState>(*settingsStore, *collectionsFile, *collectionsLock);
    ImportOlderFileOnFirstStart();
}

bool CApp::InitInstance()
{
    // An extra folder on a drive without its disk is simply not there: no
    // system box asking for the disk in the middle of a screen saver.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    trayMutexExisted = false;
    const std::vector<std::string> arguments = CommandLineArguments();
    const StartRequest request = ReadStartRequest(arguments);
    // A preview only reads: it restores, adopts and imports nothing.
    if (request == StartRequest::Preview) return StartPreviewMode(ReadPreviewWindow(arguments));
    OpenStoredSettings();

    switch (request) {
    case StartRequest::Tray:
        return StartTrayMode();
    case StartRequest::Configure:
        return StartConfigurationMode();
    case StartRequest::ChangePassword:
        ShowChangePasswordNote();
        return false;
    case StartRequest::Preview:   // started above, before anything is written
        return false;
    case StartRequest::ScreenSaver:
        return StartScreenSaverMode();
    case StartRequest::ConfigureUnlessTrayStarted:
        if (EnsureTrayInstance()) return false;
        return StartConfigurationMode();
    }
    return false;
}

void CApp::ImportOlderFileOnFirstStart()
{
    // Recorded beside the options, so that removing them all makes the next
    // start a first start again.
    if (settingsStore->ReadInt("Config", olderFileImportedValue, 0) != 0) return;
    // Both files are shared by every user of the machine: another user's
    // first start must not bring the old collections back over the new ones.
    CFileLockGuard held(collectionsLock.get());
    if (ListCollectionNames(*collectionsFile).empty()) {
        CPrivateProfileFile olderFile("Tombolix.ini");
        CWin32FileSystem fileSystem;
        // Not marked done when it could not be saved: the next start tries again.
        if (!ImportOlderFile(olderFile, *collectionsFile, fileSystem)) return;
    }
    settingsStore->WriteInt("Config", olderFileImportedValue, 1);
}

void CApp::ShowChangePasswordNote()
{
    ShowNote("Tombolix lets the running screensaver handle the password protection.\n\n"
             "So if passwords are being used, Tombolix will just select a screensaver to run based on "
             "your frequencies, and not interrupt it. "
             "i.e. the duration is ignored.");
}

// The shell's folder browser and its opening of pages and addresses want
// COM started on the thread that calls them. A session never calls them,
// and so starts without loading COM.
void CApp::StartCom()
{
    com = std::make_unique<CComInit>();
}

bool CApp::StartTrayMode()
{
    // The handle stays open for the life of the process: it marks the instance.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, trayMutexName);
    trayMutexExisted = mutex && GetLastError() == ERROR_ALREADY_EXISTS;
    if (trayMutexExisted) return false;
    // An earlier version's window is most likely its resident instance.
    if (!FindTombolixWindows().earlier.empty()) return false;

    StartCom();
    auto tray = std::make_unique<CTrayWnd>(static_cast<ITrayActions&>(*this));
    CTrayWnd& window = *tray;
    frame = std::move(tray);
    m_pMainWnd = frame.get();
    return window.Create();
}

bool CApp::StartConfigurationMode()
{
    StartCom();
    CWnd parent = CWnd::FromHandle(GetForegroundWindow());
    RunConfiguration(&parent);
    return false;
}

bool CApp::StartScreenSaverMode()
{
    // The mutex is the one sure sign of a running session: two starts in the
    // same instant can both find no session window yet. The handle stays
    // open for the life of the process: it marks the session.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, screenSaverMutexName);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) return false;
    if (EnsureTrayInstance()) return false;

    // Our session is found by its class, no other program's window and not
    // the resident instance's. An earlier version's windows count as that
    // version counted them: with UseTray on and no resident instance of
    // ours, one of them may be its resident instance.
    const TombolixWindows running = FindTombolixWindows();
    if (running.session) return false;
    if (running.earlier.size() >= (GetSettings().Values().useTray && !running.tray ? 2u : 1u)) return false;

    std::string usePassword = ReadRegistryString(HKEY_CURRENT_USER, desktopKey, "ScreenSaveUsePassword");
    if (usePassword.empty()) usePassword = ReadRegistryString(HKEY_CURRENT_USER, desktopKey, "ScreenSaverIsSecure");
    if (!usePassword.empty()) passwordInUse = ReadDecimal(usePassword) != 0;

    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, &previous, 0);
    announcedScreenSaverRunning = true;

    // The right to bring a window to the front, which Windows gives the
    // screen saver it starts, goes on to the screen savers this one starts.
    AllowSetForegroundWindow(ASFW_ANY);
    auto session = MakeSessionWindow();
    CSessionWnd& window = *session;
    frame = std::move(session);
    m_pMainWnd = frame.get();
    // The first child starts before the window is made: a process's first
    // window connects it to the display (about 60 ms under Wine), and made
    // first it held the child's start up by as much.
    if (!window.Begin()) return false;
    return window.Create();
}

// The current collection's selected screen savers playing in the given
// window; without a window to play in, the process ends at once.
bool CApp::StartPreviewMode(std::optional<uint64_t> windowNumber)
{
    HWND given = windowNumber ? reinterpret_cast<HWND>(static_cast<uintptr_t>(*windowNumber)) : nullptr;
    if (!given || !IsWindow(given)) return false;
    NameTheProgram();
    CRegistrySettingsStore store(*this);
    CPrivateProfileFile file("Tombolix2.ini");
    CSettings settings(store, file);
    // The collection in effect as the preview starts.
    CCollection collection(
        CollectionInEffect(file, settings.Values().followSchedule, ReadCurrentName(store), ReadLocalTime()).collection,
        file);
    collection.Load(false);
    auto preview = std::make_unique<CPreviewWnd>(given, collection.ListEverySelectedInOrder(), settings.Values().folders,
                                                traceEnabled);
    CPreviewWnd& window = *preview;
    frame = std::move(preview);
    m_pMainWnd = frame.get();
    return window.Create();
}

// The session of the current collection's selected screen savers, under
// the options stored now.
std::unique_ptr<CSessionWnd> CApp::MakeSessionWindow()
{
    const CSettings& settings = GetSettings();
    SessionRules rules;
    static_cast<ProgramOptions&>(rules) = settings.Values();
    rules.passwordInUse = passwordInUse;
    rules.startTime = startTime;
    // Listed only for a session that may show one screen saver on each:
    // under Wine a process's first question about the display, whichever
    // it is (the monitors, their number, the screen's size), connects the
    // process to the display, about 20 ms before the first screen saver
    // could start. One over the desktop needs no monitor.
    std::vector<ScreenArea> monitors;
    if (MayShowOnEachMonitor(rules)) monitors = ListMonitors();
    if (!monitors.empty()) rules.monitors = static_cast<int>(monitors.size());

    auto host = std::make_unique<CWin32SessionHost>(settings.Values().folders, traceEnabled, std::move(monitors));
    const std::string current = ReadCurrentName(*settingsStore);
    IProfileFile& file = storedState->GetCollectionsFile();
    // The clock is read again at every turn; the collection it picks now
    // is the one loaded first.
    const bool followSchedule = rules.followSchedule;
    const std::string first = CollectionInEffect(file, followSchedule, current, ReadLocalTime()).collection;
    auto session = std::make_unique<CSession>(*host, rand, std::move(rules), storedState->LoadCollection(first, false));
    if (followSchedule)
        session->FollowSchedule({ReadSchedule(file), ListCollectionNames(file), current},
                                [this](const std::string& name) { return storedState->LoadCollection(name, false); });
    return std::make_unique<CSessionWnd>(std::move(host), std::move(session));
}

int CApp::ExitInstance()
{
    if (announcedScreenSaverRunning) {
        BOOL previous = FALSE;
        SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &previous, 0);
    }
    com.reset();
    return CWinApp::ExitInstance();
}

bool CApp::LaunchScreenSaver(const std::string& name, const std::string& arguments, uint32_t creationFlags)
{
    return ::LaunchScreenSaver(GetSettings().Values().folders, name, arguments, creationFlags).outcome ==
           LaunchOutcome::Started;
}
