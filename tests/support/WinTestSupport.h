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
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// The folder of the program under test (TOMBOLIX_BIN), with no trailing backslash.
std::string ProgramFolder();
std::string ProgramPath();
std::string SystemFolder();
std::string WindowsFolder();

// A started copy of the program; the handles are closed with the object.
class Child {
public:
    explicit Child(const std::string& arguments);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return info.hProcess != nullptr; }
    DWORD Id() const { return info.dwProcessId; }
    bool Running() const;
    // True when the process ended within the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION info{};
};

// Top-level windows of a process, and the first whose class and title match.
std::vector<HWND> WindowsOfProcess(DWORD processId);
HWND FindWindowOfProcess(DWORD processId, const char* className, const char* title);
std::string WindowText(HWND hwnd);

// Waits for a message box of the process with the caption, returns its text
// and presses its OK button; "" when none appeared.
std::string AnswerMessageBox(DWORD processId, const char* caption, std::chrono::milliseconds timeout);

// HKCU\Software\Brackwen\Tombolix2\Config values, and removing them all.
void SetConfigInt(const char* name, DWORD value);
void SetConfigString(const char* name, const std::string& value);
void ClearStoredSettings();
bool KeyExists(HKEY root, const char* path);

bool ScreenSaverRunning();
void SetScreenSaverRunning(bool running);

// Writes a file byte for byte, and reads one back.
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

}  // namespace wintest
