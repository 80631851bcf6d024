// The installer and its uninstaller, run silently as an administrator's
// deployment would, and what they leave behind.
#include "InstallerFixture.h"

#include <tlhelp32.h>

#include <atomic>
#include <map>
#include <thread>

namespace {

using namespace installertest;

std::string StartupFolder() { return ShellFolder(CSIDL_STARTUP); }

void SetRegistryText(HKEY root, const char* key, const char* name, const std::string& value)
{
    HKEY opened;
    RegCreateKeyA(root, key, &opened);
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
    RegCloseKey(opened);
}

std::string DocsFolder() { return wintest::ProgramFolder() + "\\..\\..\\..\\docs"; }

// What the setup puts into a program folder, by name.
std::vector<std::string> ProgramFolderFiles()
{
    std::vector<std::string> names{"Uninstall.exe", "Tombolix.htm"};
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((DocsFolder() + "\\screenshots\\*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        names.push_back(std::string("screenshots\\") + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Each file's bytes, "(missing)" for one that is not there.
using Contents = std::map<std::string, std::string>;
Contents ContentsOf(const std::vector<std::string>& paths)
{
    Contents contents;
    for (const std::string& path : paths)
        contents[path] = Exists(path) ? wintest::ReadFileBytes(path) : "(missing)";
    return contents;
}

// Names each file that changed, without its bytes.
void ExpectUnchanged(const Contents& before)
{
    for (const auto& [path, bytes] : before) {
        std::string now = Exists(path) ? wintest::ReadFileBytes(path) : "(missing)";
        EXPECT_TRUE(now == bytes) << path << " changed";
    }
}

// A folder and everything in it, as a run that failed may have left it.
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

int ProcessesOf(const char* fileName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        count += lstrcmpiA(entry.szExeFile, fileName) == 0;
    CloseHandle(snapshot);
    return count;
}

// Presses Help on the sheet's last page; the page viewer must be given the page.
void ExpectHelpOpens(const std::string& page)
{
    wintest::Fixtures fixtures;
    const std::string viewer = wintest::ProgramFolder() + "\\PageViewer.exe";
    fixtures.InstallAt(viewer);
    wintest::ShellOpenOverride association(".htm", viewer);

    wintest::Child settings(wintest::SystemFolder() + "\\Tombolix2.scr", "/c");
    constexpr int uninstallPage = 6, helpButton = 1099;
    HWND sheet = wintest::OpenSettingsPage(settings.Id(), uninstallPage, 30s);
    ASSERT_TRUE(sheet);
    HWND help = nullptr;
    ASSERT_TRUE(wintest::WaitUntil([&] { return (help = wintest::FindControl(sheet, helpButton)) != nullptr; }, 5s));
    PostMessageA(help, BM_CLICK, 0, 0);
    EXPECT_TRUE(fixtures.WaitForLine("PageViewer start \"" + viewer + "\" \"" + page + "\"", 30s));
    EXPECT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), false, 5s));
    EXPECT_TRUE(settings.WaitForExit(30s));
}

// Another program's window with Tombolix's title, which ignores WM_CLOSE.
class TitleTwin {
public:
    TitleTwin()
    {
        thread = std::thread([this] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = IgnoreClose;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "TombolixTitleTwin";
            threadId = GetCurrentThreadId();
            RegisterClassA(&wc);
            window = CreateWindowA("TombolixTitleTwin", "Tombolix2", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
            DestroyWindow(window);
        });
        wintest::WaitUntil([&] { return window != nullptr; }, 5s);
    }
    ~TitleTwin()
    {
        PostThreadMessageA(threadId, WM_QUIT, 0, 0);
        thread.join();
    }
    std::atomic<HWND> window{nullptr};

private:
    static LRESULT CALLBACK IgnoreClose(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        return msg == WM_CLOSE ? 0 : DefWindowProcA(hwnd, msg, wp, lp);
    }
    std::atomic<DWORD> threadId{0};
    std::thread thread;
};

std::vector<std::string> TemporaryFiles()
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    // The test screen savers' log comes and goes with the fixtures.
    do
        if (strcmp(found.cFileName, "TombolixFixtures.log") != 0) names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

TEST_F(Installer, PutsEverythingInPlaceAndMakesTombolixTheScreenSaver)
{
    ASSERT_EQ(0u, Install());
    // The shipped programs of the setup's bitness, in the real system folder.
    for (const char* name : {"\\Tombolix2.scr", "\\Blank Screen.scr"})
        EXPECT_EQ(wintest::ReadFileBytes(wintest::ShippedFolder() + name), wintest::ReadFileBytes(system + name));
    EXPECT_EQ(wintest::ReadFileBytes(DocsFolder() + "\\Tombolix.htm"),
              wintest::ReadFileBytes(installed + "\\Tombolix.htm"));
    EXPECT_TRUE(Exists(uninstaller));
    EXPECT_EQ(installed + "\\", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));

    EXPECT_EQ("Tombolix Screensaver", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayName"));
    EXPECT_EQ("2.0.4.1", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayVersion"));
    EXPECT_EQ("Brackwen", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "Publisher"));
    EXPECT_EQ(system + "\\Tombolix2.scr,0", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayIcon"));
    EXPECT_EQ("\"" + uninstaller + "\"", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "UninstallString"));
    EXPECT_EQ("\"" + uninstaller + "\" /S", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "QuietUninstallString"));
    EXPECT_EQ(1u, RegistryNumber(HKEY_LOCAL_MACHINE, uninstallKey, "NoModify"));
    EXPECT_EQ(1u, RegistryNumber(HKEY_LOCAL_MACHINE, uninstallKey, "NoRepair"));
    DWORD kilobytes = RegistryNumber(HKEY_LOCAL_MACHINE, uninstallKey, "EstimatedSize");
    EXPECT_GT(kilobytes, 100u);
    EXPECT_LT(kilobytes, 10000u);

    EXPECT_EQ(system + "\\Tombolix2.scr", wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE"));
    EXPECT_EQ(system + "\\Tombolix2.scr", RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"));
    // The 64-bit setup makes the shared collections file for every user to
    // change, and it goes with the program while it stays empty. The 32-bit
    // program's writes are virtualised instead: its setup makes none.
    const std::string collections = wintest::WindowsFolder() + "\\Tombolix2.ini";
#ifdef _WIN64
    EXPECT_EQ("", wintest::ReadFileBytes(collections));
    EXPECT_TRUE(Exists(collections));
#else
    EXPECT_FALSE(Exists(collections));
#endif
    EXPECT_EQ(0u, Uninstall());
    EXPECT_FALSE(Exists(collections));
}

TEST_F(Installer, TheInstalledProgramRunsASessionWithTheInstalledBlanker)
{
    ASSERT_EQ(0u, Install());
    wintest::Fixtures fixtures;
    fixtures.Install(system, "FirstOfTheSession");
    wintest::SetConfigInt("UseTray", 0);
    wintest::SetConfigInt("UseBlanker", 1);
    wintest::SetConfigInt("BlankerMinutes", 0);
    wintest::WriteCollectionsFile("[Default]\r\nFirstOfTheSession=2\\0\\1\\0\\\r\n");

    wintest::Child session(system + "\\Tombolix2.scr", "/s");
    ASSERT_TRUE(session.Started());
    EXPECT_TRUE(fixtures.WaitForLine("FirstOfTheSession close", 15s));
    HWND blank = nullptr;
    EXPECT_TRUE(wintest::WaitUntil([&] { return (blank = FindWindowA("BlankScreenSaver", nullptr)) != nullptr; }, 15s));
    PostMessageA(blank, WM_KEYDOWN, 'A', 0);
    // The blanker's end ends the session.
    EXPECT_TRUE(session.WaitForExit(30s));
}

TEST_F(Installer, EveryHelpButtonFindsTheInstalledPage)
{
    ASSERT_EQ(0u, Install());
    ExpectHelpOpens(installed + "\\Tombolix.htm");
}

TEST_F(Installer, AnUpdateKeepsTheCollectionsAndOptionsByteForByte)
{
    ASSERT_EQ(0u, Install());
    const std::string collections = "[Night]\r\nAquarium=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n"
                                    "[TombolixInternal]\r\nFolders=D:\\Savers*\r\n";
    wintest::WriteCollectionsFile(collections);
    wintest::SetConfigInt("UseTray", 0);
    wintest::SetConfigString("Current", "Night");
    wintest::SetConfigString("BlankerName", "Starfield");

    ASSERT_EQ(0u, Install());
    EXPECT_EQ(collections, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    EXPECT_EQ(0u, RegistryNumber(HKEY_CURRENT_USER, configKey, "UseTray"));
    EXPECT_EQ("Night", RegistryText(HKEY_CURRENT_USER, configKey, "Current"));
    EXPECT_EQ("Starfield", RegistryText(HKEY_CURRENT_USER, configKey, "BlankerName"));
    EXPECT_EQ(installed + "\\", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));
}

TEST_F(Installer, AnUpdateOfThe32BitInstallPutsThe64BitProgramInItsPlace)
{
    if (!wintest::IsWindows64()) GTEST_SKIP() << "32-bit Windows: the 32-bit program is the one installed";
    // What the 32-bit setup left on 64-bit Windows.
    const std::string wow64 = wintest::SystemWow64Folder();
    for (const char* name : {"\\Tombolix2.scr", "\\Blank Screen.scr"}) wintest::WriteFileBytes(wow64 + name, "32-bit");
    HKEY desktop;
    RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop);
    const std::string old = wow64 + "\\Tombolix2.scr";
    RegSetValueExA(desktop, "SCRNSAVE.EXE", 0, REG_SZ, reinterpret_cast<const BYTE*>(old.c_str()), DWORD(old.size() + 1));
    RegCloseKey(desktop);
    const std::string collections = "[Night]\r\nAquarium=1\\10\\1\\0\\\r\n";
    wintest::WriteCollectionsFile(collections);
    wintest::SetConfigString("Current", "Night");

    ASSERT_EQ(0u, Install());
    EXPECT_FALSE(Exists(wow64 + "\\Tombolix2.scr"));
    EXPECT_FALSE(Exists(wow64 + "\\Blank Screen.scr"));
    EXPECT_TRUE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_EQ(system + "\\Tombolix2.scr", RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"));
    EXPECT_EQ(collections, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    EXPECT_EQ("Night", RegistryText(HKEY_CURRENT_USER, configKey, "Current"));
}

TEST_F(Installer, TheUninstallerEndsTheResidentInstanceAndKeepsTheUsersCollections)
{
    ASSERT_EQ(0u, Install());
    const std::string collections = "[Default]\r\nAquarium=1\\10\\1\\0\\\r\n";
    wintest::WriteCollectionsFile(collections);
    wintest::SetConfigString("Current", "Default");
    const std::string shortcut = StartupFolder() + "\\Tombolix2.lnk";
    CreateDirectoryA(StartupFolder().c_str(), nullptr);
    wintest::WriteFileBytes(shortcut, "shortcut");
    ASSERT_TRUE(Exists(shortcut));
    HKEY run;
    RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", &run);
    RegSetValueExA(run, "Tombolix2", 0, REG_SZ, reinterpret_cast<const BYTE*>("old"), 4);
    RegCloseKey(run);

    const std::string saver = system + "\\Tombolix2.scr";
    wintest::Child tray(saver, "/tray");
    ASSERT_TRUE(wintest::WaitUntil([&] { return !wintest::WindowsOfProcess(tray.Id()).empty(); }, 30s));

    Uninstall();
    EXPECT_TRUE(tray.WaitForExit(30s));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(Exists(saver));
    EXPECT_FALSE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_FALSE(Exists(installed));
    EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    EXPECT_EQ("(missing)", wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE"));
    EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"));
    EXPECT_EQ("(missing)",
              RegistryText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tombolix2"));
    EXPECT_EQ(collections, wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
    EXPECT_EQ("Default", RegistryText(HKEY_CURRENT_USER, configKey, "Current"));
}

TEST_F(Installer, AFolderOfTheUsersKeepsWhatIsInItAndIsNeverOverwritten)
{
    const std::string mine = "C:\\MyStuff";
    CreateDirectoryA(mine.c_str(), nullptr);
    CreateDirectoryA((mine + "\\screenshots").c_str(), nullptr);
    wintest::WriteFileBytes(mine + "\\screenshots\\holiday.png", "holiday");
    ASSERT_EQ(0u, Install("/S /D=" + mine));
    EXPECT_TRUE(Exists(mine + "\\screenshots\\tray.png"));
    EXPECT_EQ(0u, Uninstall(mine));
    EXPECT_EQ("holiday", wintest::ReadFileBytes(mine + "\\screenshots\\holiday.png"));
    for (const char* name : {"Tombolix.htm", "Uninstall.exe", "screenshots\\tray.png", "screenshots\\options.png"})
        EXPECT_FALSE(Exists(mine + "\\" + name)) << name;
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));

    // A picture of the user's under one of the help page's names stops the
    // setup before it changes anything.
    wintest::WriteFileBytes(mine + "\\screenshots\\tray.png", "my tray");
    EXPECT_EQ(6u, Install("/S /D=" + mine));
    EXPECT_EQ("my tray", wintest::ReadFileBytes(mine + "\\screenshots\\tray.png"));
    EXPECT_FALSE(Exists(mine + "\\Tombolix.htm"));
    EXPECT_FALSE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    // So does a page of the user's under the help page's name.
    const std::string page = "<html><head>\r\n<title>Tombolix Screensaver notes</title>\r\n";
    wintest::WriteFileBytes(mine + "\\Tombolix.htm", page);
    DeleteFileA((mine + "\\screenshots\\tray.png").c_str());
    EXPECT_EQ(6u, Install("/S /D=" + mine));
    EXPECT_EQ(page, wintest::ReadFileBytes(mine + "\\Tombolix.htm"));
    EXPECT_FALSE(Exists(system + "\\Tombolix2.scr"));

    for (const char* name : {"\\screenshots\\holiday.png", "\\Tombolix.htm"}) DeleteFileA((mine + name).c_str());
    RemoveDirectoryA((mine + "\\screenshots").c_str());
    RemoveDirectoryA(mine.c_str());
}

TEST_F(Installer, AnotherProgramsWindowOfTheSameTitleIsNeitherClosedNorCountedNorWaitedFor)
{
    TitleTwin twin;
    ASSERT_TRUE(twin.window.load());
    ASSERT_EQ(0u, Install());
    // No resident instance ran before: none is started.
    EXPECT_FALSE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixTray", nullptr) != nullptr; }, 3s));

    wintest::Fixtures fixtures;
    fixtures.Install(system, "FirstOfTheSession");
    wintest::SetConfigInt("UseTray", 0);
    wintest::WriteCollectionsFile("[Default]\r\nFirstOfTheSession=2\\10\\1\\0\\\r\n");
    wintest::Child session(system + "\\Tombolix2.scr", "/s");
    EXPECT_TRUE(fixtures.WaitForLine("FirstOfTheSession start \"" + system + "\\FirstOfTheSession.scr\" /s", 15s));
    // The session's window comes just after its first screen saver.
    EXPECT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixSession", nullptr) != nullptr; }, 30s));

    // The uninstaller ends the session, and only it.
    EXPECT_EQ(0u, Uninstall());
    EXPECT_TRUE(session.WaitForExit(1s));
    EXPECT_TRUE(IsWindow(twin.window));
}

TEST_F(Installer, AnOpenSheetIsLeftToItsUserAndNothingIsChangedMeanwhile)
{
    ASSERT_EQ(0u, Install());
    wintest::Child settings(system + "\\Tombolix2.scr", "/c");
    ASSERT_TRUE(wintest::OpenSettingsPage(settings.Id(), 0, 30s));

    EXPECT_EQ(3u, Install());
    EXPECT_EQ(3u, Uninstall());
    EXPECT_TRUE(settings.Running());
    EXPECT_TRUE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_TRUE(Exists(uninstaller));
    EXPECT_TRUE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));

    ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), false, 5s));
    EXPECT_TRUE(settings.WaitForExit(30s));
    EXPECT_EQ(0u, Uninstall());
    EXPECT_FALSE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
}

TEST_F(Installer, AnUpdateEndsTheTrayAndTheSessionAndBringsBackOnlyTheTray)
{
    ASSERT_EQ(0u, Install());
    const std::string saver = system + "\\Tombolix2.scr";
    wintest::Child tray(saver, "/tray");
    ASSERT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixTray", nullptr) != nullptr; }, 30s));
    wintest::Fixtures fixtures;
    fixtures.Install(system, "FirstOfTheSession");
    wintest::WriteCollectionsFile("[Default]\r\nFirstOfTheSession=2\\10\\1\\0\\\r\n");
    wintest::Child session(saver, "/s");
    ASSERT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixSession", nullptr) != nullptr; }, 30s));

    ASSERT_EQ(0u, Install());
    EXPECT_TRUE(tray.WaitForExit(1s));
    EXPECT_TRUE(session.WaitForExit(1s));
    HWND again = nullptr;
    EXPECT_TRUE(wintest::WaitUntil([&] { return (again = FindWindowA("BrackwenTombolixTray", nullptr)) != nullptr; }, 30s));
    EXPECT_EQ(nullptr, FindWindowA("BrackwenTombolixSession", nullptr));
    EXPECT_EQ(0u, Uninstall());
    EXPECT_TRUE(wintest::WaitUntil([&] { return !IsWindow(again); }, 5s));
}

TEST_F(Installer, AFileThatStaysInUseFailsTheRunAndTheRunAfterFinishesIt)
{
    ASSERT_EQ(0u, Install());
    {
        HeldFile held(system + "\\Blank Screen.scr");
        EXPECT_EQ(4u, Install());
        EXPECT_EQ(4u, Uninstall());
        EXPECT_TRUE(Exists(system + "\\Blank Screen.scr"));
        EXPECT_TRUE(Exists(uninstaller));
        EXPECT_TRUE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    }
    EXPECT_EQ(0u, Uninstall());
    EXPECT_TRUE(wintest::WaitUntil([&] { return !Exists(installed); }, 30s));
    EXPECT_FALSE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
}

TEST_F(Installer, HelpFindsThePageInAFolderOutsideTheAnsiCodePage)
{
    const std::wstring parent = L"C:\\\x041F\x0440\x043E\x0433\x0440\x0430\x043C\x043C\x044B";
    const std::wstring folder = parent + L"\\Tombolix";
    const std::string setupPath = wintest::SetupPath();
    wintest::Child setup(std::wstring(setupPath.begin(), setupPath.end()), L"/S /D=" + folder);
    ASSERT_TRUE(setup.WaitForExit(60s));
    ASSERT_EQ(0u, setup.ExitCode());

    // The viewer reads its command line in the ANSI code page, which spells
    // the folder's letters as question marks.
    char ansi[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, folder.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    ExpectHelpOpens(std::string(ansi) + "\\Tombolix.htm");

    wintest::Child uninstall(folder + L"\\Uninstall.exe", L"/S");
    ASSERT_TRUE(uninstall.WaitForExit(60s));
    EXPECT_EQ(0u, uninstall.ExitCode());
    EXPECT_TRUE(wintest::WaitUntil([&] { return GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES; }, 30s));
    RemoveDirectoryW(parent.c_str());
}

TEST_F(Installer, RerunsAndTwoUninstallersAtOnceEndCleanWithNothingLeftBehind)
{
    const std::vector<std::string> temporary = TemporaryFiles();
    ASSERT_EQ(0u, Install());
    ASSERT_EQ(0u, Install());
    wintest::Child first(uninstaller, "/S"), second(uninstaller, "/S");
    ASSERT_TRUE(first.WaitForExit(90s));
    ASSERT_TRUE(second.WaitForExit(90s));
    EXPECT_EQ(0u, first.ExitCode());
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_TRUE(wintest::WaitUntil([&] { return !Exists(installed); }, 30s));
    EXPECT_FALSE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    EXPECT_TRUE(wintest::WaitUntil([&] { return TemporaryFiles() == temporary; }, 30s));
}

TEST_F(Installer, AnInstallIntoAnotherFolderTakesTheEarlierOnesFilesOutOfItsFolder)
{
    const std::string a = "C:\\TombolixA", b = "C:\\TombolixB";
    RemoveTree(a);
    RemoveTree(b);
    std::vector<std::string> inA, inB;
    for (const std::string& name : ProgramFolderFiles()) {
        inA.push_back(a + "\\" + name);
        inB.push_back(b + "\\" + name);
    }
    ASSERT_EQ(0u, Install("/S /D=" + a));
    wintest::WriteFileBytes(a + "\\notes.txt", "mine");
    const Contents installedInA = ContentsOf(inA);

    {
        // A file to remove from the earlier folder that is in use stops the
        // move before anything changes.
        HeldFile held(a + "\\Tombolix.htm");
        EXPECT_EQ(4u, Install("/S /D=" + b));
    }
    EXPECT_FALSE(Exists(b));
    ExpectUnchanged(installedInA);
    EXPECT_EQ(a, RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "InstallLocation"));

    ASSERT_EQ(0u, Install("/S /D=" + b));
    for (const std::string& path : inA) EXPECT_FALSE(Exists(path)) << path;
    EXPECT_FALSE(Exists(a + "\\screenshots"));
    EXPECT_EQ("mine", wintest::ReadFileBytes(a + "\\notes.txt"));
    for (size_t i = 1; i < inB.size(); ++i)   // after Uninstall.exe, the page and its pictures
        EXPECT_TRUE(wintest::ReadFileBytes(DocsFolder() + inB[i].substr(b.size())) == wintest::ReadFileBytes(inB[i]))
            << inB[i];
    EXPECT_TRUE(installedInA.at(a + "\\Uninstall.exe") == wintest::ReadFileBytes(b + "\\Uninstall.exe"));
    EXPECT_EQ(b, RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "InstallLocation"));
    EXPECT_EQ("\"" + b + "\\Uninstall.exe\" /S", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "QuietUninstallString"));
    ExpectHelpOpens(b + "\\Tombolix.htm");

    // Back into the earlier folder, which is Tombolix's again; the other one,
    // left empty, goes.
    ASSERT_EQ(0u, Install("/S /D=" + a));
    ExpectUnchanged(installedInA);
    EXPECT_FALSE(Exists(b));

    ASSERT_EQ(0u, Install("/S /D=" + b));
    EXPECT_EQ(0u, Uninstall(b));
    EXPECT_TRUE(wintest::WaitUntil([&] { return !Exists(b); }, 30s));
    EXPECT_FALSE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_FALSE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    for (const std::string& path : inA) EXPECT_FALSE(Exists(path)) << path;
    EXPECT_EQ("mine", wintest::ReadFileBytes(a + "\\notes.txt"));
    RemoveTree(a);
}

// Puts the file's bytes back when it goes.
struct RestoreFile {
    std::string path, bytes = wintest::ReadFileBytes(path);
    ~RestoreFile() { wintest::WriteFileBytes(path, bytes); }
};

TEST_F(Installer, AHelpPageHeldOpenStopsTheSetupBeforeItChangesAnythingAndTheTrayComesBack)
{
    ASSERT_EQ(0u, Install());
    // An earlier install's files, told from this setup's by their bytes.
    const std::string saver = system + "\\Tombolix2.scr";
    std::vector<std::string> files{saver, system + "\\Blank Screen.scr"};
    for (const std::string& name : ProgramFolderFiles()) files.push_back(installed + "\\" + name);
    RestoreFile realUninstaller{uninstaller};
    wintest::WriteFileBytes(saver, wintest::ReadFileBytes(saver) + "earlier");
    for (size_t i = 1; i < files.size(); ++i) wintest::WriteFileBytes(files[i], "earlier " + files[i]);
    SetRegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayVersion", "2.0.3.0");
    const Contents before = ContentsOf(files);

    wintest::Child tray(saver, "/tray");
    ASSERT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixTray", nullptr) != nullptr; }, 30s));
    {
        HeldFile held(installed + "\\Tombolix.htm");
        EXPECT_EQ(4u, Install());
    }
    ExpectUnchanged(before);
    EXPECT_EQ("2.0.3.0", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayVersion"));
    // The setup closed the tray to check its file, and brought it back.
    EXPECT_TRUE(tray.WaitForExit(1s));
    EXPECT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixTray", nullptr) != nullptr; }, 30s));
    EXPECT_EQ(1, ProcessesOf("Tombolix2.scr"));

    ASSERT_EQ(0u, Install());
    EXPECT_TRUE(wintest::ReadFileBytes(wintest::ShippedFolder() + "\\Tombolix2.scr") == wintest::ReadFileBytes(saver));
    EXPECT_TRUE(wintest::ReadFileBytes(DocsFolder() + "\\Tombolix.htm") ==
                wintest::ReadFileBytes(installed + "\\Tombolix.htm"));
    EXPECT_TRUE(realUninstaller.bytes == wintest::ReadFileBytes(uninstaller));
    EXPECT_EQ("2.0.4.1", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "DisplayVersion"));
    EXPECT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixTray", nullptr) != nullptr; }, 30s));
}

TEST_F(Installer, AnUninstallerOutsideTheInstalledFolderRemovesNothingAnywhere)
{
    ASSERT_EQ(0u, Install());
    // The user's own page and pictures, two of them under the help page's
    // names, beside a copy of the uninstaller.
    const std::string mine = "C:\\MyPages", copy = mine + "\\Uninstall.exe";
    RemoveTree(mine);
    CreateDirectoryA(mine.c_str(), nullptr);
    CreateDirectoryA((mine + "\\screenshots").c_str(), nullptr);
    std::vector<std::string> users;
    for (const char* name : {"\\Tombolix.htm", "\\screenshots\\x.png", "\\screenshots\\tray.png"}) {
        wintest::WriteFileBytes(mine + name, std::string("my ") + name);
        users.push_back(mine + name);
    }
    std::vector<std::string> files = users;
    for (const std::string& name : ProgramFolderFiles()) files.push_back(installed + "\\" + name);
    files.insert(files.end(), {copy, system + "\\Tombolix2.scr", system + "\\Blank Screen.scr"});
    ASSERT_TRUE(CopyFileA(uninstaller.c_str(), copy.c_str(), TRUE));
    const Contents before = ContentsOf(files);
    const std::vector<std::string> temporary = TemporaryFiles();

    wintest::Child silent(copy, "/S");
    ASSERT_TRUE(silent.WaitForExit(60s));
    EXPECT_EQ(8u, silent.ExitCode());
    wintest::Child shown(copy, "");
    EXPECT_EQ("Tombolix is installed in " + installed +
                  ", and this uninstaller is not that install's. To remove Tombolix, uninstall Tombolix Screensaver "
                  "from the list of installed programs.",
              wintest::AnswerMessageBox(shown.Id(), "Tombolix Screensaver Uninstall", 20s));
    ASSERT_TRUE(shown.WaitForExit(30s));
    EXPECT_EQ(8u, shown.ExitCode());
    // A helper that removes an uninstaller's file would still be in the
    // temporary folder.
    EXPECT_TRUE(wintest::WaitUntil([&] { return TemporaryFiles() == temporary; }, 30s));
    ExpectUnchanged(before);
    EXPECT_EQ(installed, RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "InstallLocation"));
    EXPECT_EQ(system + "\\Tombolix2.scr", wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE"));

    // With nothing installed there is nothing to remove.
    ASSERT_EQ(0u, Uninstall());
    wintest::Child uninstalled(copy, "/S");
    ASSERT_TRUE(uninstalled.WaitForExit(60s));
    EXPECT_EQ(0u, uninstalled.ExitCode());
    EXPECT_TRUE(wintest::WaitUntil([&] { return TemporaryFiles() == temporary; }, 30s));
    users.push_back(copy);
    for (const std::string& path : users) EXPECT_TRUE(before.at(path) == wintest::ReadFileBytes(path)) << path;
    RemoveTree(mine);
}

TEST_F(Installer, AnUpdateOverASessionAloneStartsNoResidentInstance)
{
    ASSERT_EQ(0u, Install());
    // A session started beside the resident instance, which then was ended,
    // as its Exit command does: the resident instance stays switched on.
    const std::string saver = system + "\\Tombolix2.scr";
    wintest::Child tray(saver, "/tray");
    HWND trayWindow = nullptr;
    ASSERT_TRUE(wintest::WaitUntil(
        [&] { return (trayWindow = FindWindowA("BrackwenTombolixTray", nullptr)) != nullptr; }, 30s));
    wintest::Fixtures fixtures;
    fixtures.Install(system, "FirstOfTheSession");
    wintest::WriteCollectionsFile("[Default]\r\nFirstOfTheSession=2\\10\\1\\0\\\r\n");
    wintest::Child session(saver, "/s");
    ASSERT_TRUE(wintest::WaitUntil([] { return FindWindowA("BrackwenTombolixSession", nullptr) != nullptr; }, 30s));
    PostMessageA(trayWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(tray.WaitForExit(30s));
    ASSERT_EQ(1, ProcessesOf("Tombolix2.scr"));

    ASSERT_EQ(0u, Install());
    EXPECT_TRUE(session.WaitForExit(1s));
    // The setup has ended: a copy it started would already run.
    EXPECT_EQ(0, ProcessesOf("Tombolix2.scr"));
    EXPECT_EQ(nullptr, FindWindowA("BrackwenTombolixTray", nullptr));
}

}  // namespace
