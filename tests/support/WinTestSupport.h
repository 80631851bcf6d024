// Helpers for tests that run under Wine: starting the real program, finding
// its windows, and setting up the registry and files it reads.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Polls until the condition holds or the timeout passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step = std::chrono::milliseconds(50));

// The folder of the program under test (TOMBOLIX_BIN), with no trailing backslash.
std::string ProgramFolder();
// The folder of the shipped programs and setup (TOMBOLIX_SHIPPED, else the
// program folder), and its Tombolix2.scr.
std::string ShippedFolder();
std::string ProgramPath();
// The folders of the 32-bit build's test programs and of the shipped
// 32-bit programs, "" where none is given (the 32-bit build itself).
std::string Bin32Folder();
std::string Shipped32Folder();
// Windows itself is 64-bit, whichever this program is.
bool IsWindows64();
// The setup of this program's bitness, among the shipped files.
std::string SetupPath();
std::string SystemFolder();
// The 32-bit system folder of 64-bit Windows (the tests run there).
std::string SystemWow64Folder();
std::string WindowsFolder();
// The user's VirtualStore counterpart of the Windows folder, made if missing.
std::string VirtualStoreFolder();
// Where the user's record of a save of the collections file goes; its
// folder made if missing.
std::string SaveRecordPath();

// A started copy of the program; the handles are closed with the object.
class Child {
public:
    // The program under test, or another program, with the arguments.
    explicit Child(const std::string& arguments);
    Child(const std::string& program, const std::string& arguments);
    // For names outside the ANSI code page.
    Child(const std::wstring& program, const std::wstring& arguments);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return info.hProcess != nullptr; }
    // Why it could not be started, 0 when it was.
    DWORD StartError() const { return startError; }
    DWORD Id() const { return info.dwProcessId; }
    bool Running() const;
    // True when the process ended within the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION info{};
    DWORD startError = 0;
};

// Starts the program with /s while a session seems to run (the test holds
// its mutex): it does the work of every start on the stored settings (a cut
// off save restored, the VirtualStore copy, the older file's import) and
// ends at once. True when it ended within the timeout. The program under
// test unless another (an installed copy) is named.
bool RunStartBesideASession(std::chrono::milliseconds timeout, const std::string& program = ProgramPath());

// Waits until no session of an earlier scenario holds the session mutex: a
// session's process ended by force lets go of it a moment later, and a
// start meanwhile would end at once. True when none does.
bool WaitForNoSession(std::chrono::milliseconds timeout);

// Top-level windows of a process, and the first whose class and title match.
std::vector<HWND> WindowsOfProcess(DWORD processId);
HWND FindWindowOfProcess(DWORD processId, const char* className, const char* title);
std::string WindowText(HWND hwnd);

// Waits for the settings sheet of the process and presses its OK or Cancel.
bool AnswerSettingsSheet(DWORD processId, bool ok, std::chrono::milliseconds timeout);
// Waits for the settings sheet of the process and opens its page at the
// index; the sheet, or null.
HWND OpenSettingsPage(DWORD processId, int index, std::chrono::milliseconds timeout);
// The first control below the window with this id, at any depth.
HWND FindControl(HWND parent, int id);

// Waits for a message box of the process with the caption, returns its text
// and presses its OK button; "" when none appeared.
std::string AnswerMessageBox(DWORD processId, const char* caption, std::chrono::milliseconds timeout);

// HKCU\Software\Brackwen\Tombolix2\Config values, and removing them all.
void SetConfigInt(const char* name, DWORD value);
void SetConfigString(const char* name, const std::string& value);
void ClearStoredSettings();
bool KeyExists(HKEY root, const char* path);

// The system screen saver's state as a fresh process reads it.
bool ScreenSaverRunning();
bool ScreenSaverActive();
void SetScreenSaverRunning(bool running);

// Points the user's start-up folder somewhere else until the object goes.
class StartupFolderOverride {
public:
    explicit StartupFolderOverride(const std::string& folder);
    ~StartupFolderOverride();
    StartupFolderOverride(const StartupFolderOverride&) = delete;
    StartupFolderOverride& operator=(const StartupFolderOverride&) = delete;
    void Set(const std::string& folder) const;

private:
    struct Saved {
        bool keyExisted;
        bool valueExisted;
        std::string value;
    };
    Saved saved[2];
};

// Ends every process started from one of the files, window or not, and
// waits for each.
void TerminateProcessesOf(const std::vector<std::string>& paths);
// How many processes run from files of these names ("Hangs.scr").
size_t CountProcessesNamed(const std::vector<std::string>& fileNames);

// Copies of the test screen saver under the names that pick their behaviour;
// the copies and every fixture window still open go at the end.
class Fixtures {
public:
    Fixtures();
    ~Fixtures();
    Fixtures(const Fixtures&) = delete;
    Fixtures& operator=(const Fixtures&) = delete;

    // Installs <folder>\<name>.scr, or the fixture under any path.
    void Install(const std::string& folder, const std::string& name);
    void InstallAt(const std::string& path);
    // The 32-bit build's fixture: a 32-bit screen saver on 64-bit Windows.
    // False where there is none (the 32-bit build's own tests).
    bool Install32(const std::string& folder, const std::string& name);
    // The one of the kind into the kind's folder (ScreenSaverFolder); false
    // where there is none of the kind.
    bool InstallOfKind(bool thirtyTwoBit, const std::string& name);
    void Uninstall(const std::string& folder, const std::string& name);
    // The fixtures' log lines so far, "<name> <event>".
    std::vector<std::string> Log() const;
    void ClearLog() const { DeleteFileA(logPath.c_str()); }
    // Waits until the log holds the line; true when it does.
    bool WaitForLine(const std::string& line, std::chrono::milliseconds timeout) const;
    static void CloseAllWindows();

private:
    std::string logPath;
    std::vector<std::string> installed;
};

// The kinds of test screen saver a scenario runs with: one of the program's
// own bitness in the system folder, and in the 64-bit build also a 32-bit
// one in SysWOW64 (true).
inline std::vector<bool> ScreenSaverKinds()
{
#ifdef _WIN64
    return {false, true};
#else
    return {false};
#endif
}
inline std::string ScreenSaverKindName(bool thirtyTwoBit)
{
    return thirtyTwoBit ? "ThirtyTwoBitScreenSaver" : "ScreenSaverOfItsOwnBitness";
}
inline std::string ScreenSaverFolder(bool thirtyTwoBit) { return thirtyTwoBit ? SystemWow64Folder() : SystemFolder(); }
inline bool Fixtures::InstallOfKind(bool thirtyTwoBit, const std::string& name)
{
    if (thirtyTwoBit) return Install32(ScreenSaverFolder(true), name);
    Install(ScreenSaverFolder(false), name);
    return true;
}

// Makes the shell open a file type (".htm") or a protocol ("https") with a
// program of ours, which is given the file or address, until the object
// goes.
class ShellOpenOverride {
public:
    ShellOpenOverride(const std::string& type, const std::string& program);
    ~ShellOpenOverride();
    ShellOpenOverride(const ShellOpenOverride&) = delete;
    ShellOpenOverride& operator=(const ShellOpenOverride&) = delete;

private:
    std::string type;
    std::string savedClass;   // a file type's class, "" for a protocol
    std::string savedCommand;
    bool commandExisted;
};

// Tracing on, into a folder of its own, for the programs started while the
// object lives.
class TraceFolder {
public:
    explicit TraceFolder(const std::string& name);
    ~TraceFolder();
    TraceFolder(const TraceFolder&) = delete;
    TraceFolder& operator=(const TraceFolder&) = delete;

    std::string FilePath() const { return folder + "\\trace.txt"; }
    // The trace file's lines, without their line ends.
    std::vector<std::string> Lines() const;

private:
    std::string folder;
};

// Replaces the collections file with these bytes.
void WriteCollectionsFile(const std::string& bytes);
std::string ReadProfileString(const char* file, const char* section, const char* key);

// Writes a file byte for byte, and reads one back.
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace wintest
