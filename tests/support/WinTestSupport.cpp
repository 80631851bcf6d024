#include "WinTestSupport.h"

#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace wintest {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(step);
    }
    return true;
}

std::string ProgramFolder()
{
    const char* folder = getenv("TOMBOLIX_BIN");
    return folder ? folder : ".";
}

std::string ShippedFolder()
{
    const char* folder = getenv("TOMBOLIX_SHIPPED");
    return folder ? folder : ProgramFolder();
}

std::string ProgramPath() { return ShippedFolder() + "\\Tombolix2.scr"; }

namespace {
std::string FolderNamedBy(const char* variable)
{
    const char* folder = getenv(variable);
    return folder && strcmp(folder, "Z:") != 0 ? folder : "";
}
}  // namespace

std::string Bin32Folder() { return FolderNamedBy("TOMBOLIX_BIN32"); }
std::string Shipped32Folder() { return FolderNamedBy("TOMBOLIX_SHIPPED32"); }

bool IsWindows64()
{
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::string SetupPath()
{
#ifdef _WIN64
    return ShippedFolder() + "\\TombolixSetup64.exe";
#else
    return ShippedFolder() + "\\TombolixSetup.exe";
#endif
}

std::string SystemFolder()
{
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string SystemWow64Folder()
{
    char folder[MAX_PATH] = "";
    GetSystemWow64DirectoryA(folder, MAX_PATH);
    return folder;
}

std::string WindowsFolder()
{
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string VirtualStoreFolder()
{
    char localData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, localData);
    const std::string windows = WindowsFolder();
    const std::string folder = std::string(localData) + "\\VirtualStore" + windows.substr(windows.find('\\'));
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    return folder;
}

std::string SaveRecordPath()
{
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
    const std::string folder = std::string(appData) + "\\Brackwen\\Tombolix2";
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    return folder + "\\Tombolix2.ini.saving";
}

Child::Child(const std::string& arguments) : Child(ProgramPath(), arguments) {}

Child::Child(const std::string& program, const std::string& arguments)
{
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        startError = GetLastError();
        info = {};
    }
}

Child::Child(const std::wstring& program, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        info = {};
}

Child::~Child()
{
    if (info.hProcess) {
        if (Running()) TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
}

namespace {
const char* const sessionMutexName = "BrackwenTombolixScreensaver";
}

bool WaitForNoSession(std::chrono::milliseconds timeout)
{
    return WaitUntil([] {
        HANDLE held = OpenMutexA(SYNCHRONIZE, FALSE, sessionMutexName);
        if (held) CloseHandle(held);
        return held == nullptr;
    }, timeout);
}

bool RunStartBesideASession(std::chrono::milliseconds timeout, const std::string& program)
{
    HANDLE session = CreateMutexA(nullptr, FALSE, sessionMutexName);
    bool ended = Child(program, "/s").WaitForExit(timeout);
    CloseHandle(session);
    return ended;
}

bool Child::Running() const { return info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }

bool Child::WaitForExit(std::chrono::milliseconds timeout) const
{
    return info.hProcess && WaitForSingleObject(info.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD Child::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
}

namespace {
struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectIfOwned(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<ProcessWindows*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId) search->windows.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOfProcess(DWORD processId)
{
    ProcessWindows search{processId, {}};
    EnumWindows(&CollectIfOwned, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::string WindowText(HWND hwnd)
{
    char text[4096] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

HWND FindWindowOfProcess(DWORD processId, const char* className, const char* title)
{
    for (HWND hwnd : WindowsOfProcess(processId)) {
        char cls[256] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if ((!className || lstrcmpiA(cls, className) == 0) && (!title || WindowText(hwnd) == title)) return hwnd;
    }
    return nullptr;
}

std::string AnswerMessageBox(DWORD processId, const char* caption, std::chrono::milliseconds timeout)
{
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindWindowOfProcess(processId, "#32770", caption)) != nullptr; }, timeout);
    if (!box) return "";
    constexpr int messageTextId = 0xFFFF;   // the static control of a message box
    std::string text = WindowText(GetDlgItem(box, messageTextId));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    // Gone before anyone looks for the next box.
    WaitUntil([&] { return !IsWindow(box); }, std::chrono::seconds(5));
    return text;
}

namespace {
void SetConfigValue(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", 0, nullptr, 0, KEY_WRITE, nullptr,
                    &key, nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}
}  // namespace

bool AnswerSettingsSheet(DWORD processId, bool ok, std::chrono::milliseconds timeout)
{
    HWND sheet = nullptr;
    if (!WaitUntil([&] { return (sheet = FindWindowOfProcess(processId, "#32770", "Tombolix Screensaver")) != nullptr; },
                   timeout))
        return false;
    PostMessageA(sheet, PSM_PRESSBUTTON, ok ? PSBTN_OK : PSBTN_CANCEL, 0);
    return true;
}

HWND OpenSettingsPage(DWORD processId, int index, std::chrono::milliseconds timeout)
{
    HWND sheet = nullptr;
    if (!WaitUntil([&] { return (sheet = FindWindowOfProcess(processId, "#32770", "Tombolix Screensaver")) != nullptr; },
                   timeout))
        return nullptr;
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
    return sheet;
}

namespace {
struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK StopAtControl(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<ControlSearch*>(lp);
    if (GetDlgCtrlID(hwnd) != search->id || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}
}  // namespace

HWND FindControl(HWND parent, int id)
{
    ControlSearch search{id, nullptr};
    EnumChildWindows(parent, &StopAtControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SetConfigInt(const char* name, DWORD value) { SetConfigValue(name, REG_DWORD, &value, sizeof value); }

void SetConfigString(const char* name, const std::string& value)
{
    SetConfigValue(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void ClearStoredSettings()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
    DeleteFileA((WindowsFolder() + "\\Tombolix2.ini").c_str());
}

bool KeyExists(HKEY root, const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

namespace {
bool ProbeSystemState(const char* which)
{
    std::string probe = ProgramFolder() + "\\SystemStateProbe.exe";
    std::string commandLine = "\"" + probe + "\" " + which;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(probe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    WaitForSingleObject(info.hProcess, 10000);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code == 1;
}

const char* const shellFolderKeys[] = {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                       "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Explorer\\Shell Folders"};
}  // namespace

bool ScreenSaverRunning() { return ProbeSystemState("running"); }
bool ScreenSaverActive() { return ProbeSystemState("active"); }

StartupFolderOverride::StartupFolderOverride(const std::string& folder)
{
    for (int i = 0; i < 2; ++i) {
        HKEY key;
        saved[i].keyExisted = RegOpenKeyExA(HKEY_CURRENT_USER, shellFolderKeys[i], 0, KEY_READ, &key) == ERROR_SUCCESS;
        saved[i].valueExisted = false;
        if (saved[i].keyExisted) {
            char value[1024] = "";
            DWORD size = sizeof value;
            saved[i].valueExisted =
                RegQueryValueExA(key, "StartUp", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
            saved[i].value = value;
            RegCloseKey(key);
        }
    }
    Set(folder);
}

void StartupFolderOverride::Set(const std::string& folder) const
{
    for (const char* path : shellFolderKeys) {
        HKEY key;
        RegCreateKeyA(HKEY_CURRENT_USER, path, &key);
        RegSetValueExA(key, "StartUp", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
        RegCloseKey(key);
    }
}

StartupFolderOverride::~StartupFolderOverride()
{
    for (int i = 0; i < 2; ++i) {
        if (!saved[i].keyExisted) {
            RegDeleteKeyA(HKEY_CURRENT_USER, shellFolderKeys[i]);
            continue;
        }
        HKEY key;
        RegOpenKeyA(HKEY_CURRENT_USER, shellFolderKeys[i], &key);
        if (saved[i].valueExisted)
            RegSetValueExA(key, "StartUp", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved[i].value.c_str()),
                           static_cast<DWORD>(saved[i].value.size() + 1));
        else
            RegDeleteValueA(key, "StartUp");
        RegCloseKey(key);
    }
}

void SetScreenSaverRunning(bool running)
{
    BOOL previous;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running, &previous, 0);
}

Fixtures::Fixtures()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    logPath = std::string(folder) + "TombolixFixtures.log";
    ClearLog();
    SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LOG", logPath.c_str());
}

namespace {
// Calls back with each running process whose file name is one of these.
void ForEachProcessNamed(const std::vector<std::string>& fileNames, const std::function<void(DWORD)>& found)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        for (const std::string& fileName : fileNames)
            if (lstrcmpiA(fileName.c_str(), entry.szExeFile) == 0) found(entry.th32ProcessID);
    CloseHandle(snapshot);
}
}  // namespace

void TerminateProcessesOf(const std::vector<std::string>& paths)
{
    std::vector<std::string> fileNames;
    for (const std::string& path : paths) fileNames.push_back(path.substr(path.find_last_of('\\') + 1));
    ForEachProcessNamed(fileNames, [](DWORD id) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    });
}

size_t CountProcessesNamed(const std::vector<std::string>& fileNames)
{
    size_t count = 0;
    ForEachProcessNamed(fileNames, [&](DWORD) { ++count; });
    return count;
}

Fixtures::~Fixtures()
{
    CloseAllWindows();
    TerminateProcessesOf(installed);
    WaitUntil([] { return FindWindowA("TombolixFixture", nullptr) == nullptr; }, std::chrono::seconds(5));
    // A fixture without a window may still hold its file open.
    for (const std::string& path : installed)
        WaitUntil([&] {
            return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
                   GetLastError() == ERROR_PATH_NOT_FOUND;
        },
                  std::chrono::seconds(10));
    SetEnvironmentVariableA("TOMBOLIX_FIXTURE_LOG", nullptr);
}

void Fixtures::Install(const std::string& folder, const std::string& name)
{
    InstallAt(folder + "\\" + name + ".scr");
}

void Fixtures::InstallAt(const std::string& path)
{
    CopyFileA((ProgramFolder() + "\\FixtureSaver.scr").c_str(), path.c_str(), FALSE);
    installed.push_back(path);
}

bool Fixtures::Install32(const std::string& folder, const std::string& name)
{
    if (Bin32Folder().empty()) return false;
    const std::string path = folder + "\\" + name + ".scr";
    installed.push_back(path);
    return CopyFileA((Bin32Folder() + "\\FixtureSaver.scr").c_str(), path.c_str(), FALSE) != FALSE;
}

void Fixtures::Uninstall(const std::string& folder, const std::string& name)
{
    DeleteFileA((folder + "\\" + name + ".scr").c_str());
}

std::vector<std::string> Fixtures::Log() const
{
    std::vector<std::string> lines;
    std::istringstream text(ReadFileBytes(logPath));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Fixtures::WaitForLine(const std::string& line, std::chrono::milliseconds timeout) const
{
    return WaitUntil([&] {
        for (const std::string& seen : Log())
            if (seen == line) return true;
        return false;
    }, timeout);
}

void Fixtures::CloseAllWindows()
{
    for (HWND window = FindWindowA("TombolixFixture", nullptr); window;
         window = FindWindowExA(nullptr, window, "TombolixFixture", nullptr)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        // Some fixtures ignore every request: end them outright.
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId)) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }
}

namespace {
const char* const testClass = "TombolixTestFile";

std::string DefaultValue(HKEY root, const std::string& key, bool& existed)
{
    HKEY opened;
    existed = false;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return "";
    char value[1024] = "";
    DWORD size = sizeof value - 1;
    existed = RegQueryValueExA(opened, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    RegCloseKey(opened);
    return existed ? value : "";
}

void SetDefaultValue(HKEY root, const std::string& key, const std::string& value)
{
    HKEY created;
    RegCreateKeyA(root, key.c_str(), &created);
    RegSetValueExA(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(created);
}
}  // namespace

// A file type names its class, whose command opens it; a protocol has the
// command itself.
ShellOpenOverride::ShellOpenOverride(const std::string& type, const std::string& program) : type(type)
{
    bool classExisted = false;
    std::string commandKey = type + "\\shell\\open\\command";
    if (type[0] == '.') {
        savedClass = DefaultValue(HKEY_CLASSES_ROOT, type, classExisted);
        SetDefaultValue(HKEY_CLASSES_ROOT, type, testClass);
        commandKey = std::string(testClass) + "\\shell\\open\\command";
    }
    savedCommand = DefaultValue(HKEY_CLASSES_ROOT, commandKey, commandExisted);
    SetDefaultValue(HKEY_CLASSES_ROOT, commandKey, "\"" + program + "\" \"%1\"");
}

ShellOpenOverride::~ShellOpenOverride()
{
    if (type[0] == '.') {
        SetDefaultValue(HKEY_CLASSES_ROOT, type, savedClass);
        for (const char* key : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(testClass) + key).c_str());
    } else if (commandExisted) {
        SetDefaultValue(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", savedCommand);
    } else {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (type + "\\shell\\open\\command").c_str());
    }
}

TraceFolder::TraceFolder(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA(FilePath().c_str());
    SetEnvironmentVariableA("PO", "1");
    SetEnvironmentVariableA("BRACTEMP", folder.c_str());
}

TraceFolder::~TraceFolder()
{
    SetEnvironmentVariableA("PO", nullptr);
    SetEnvironmentVariableA("BRACTEMP", nullptr);
    DeleteFileA(FilePath().c_str());
    RemoveDirectoryA(folder.c_str());
}

std::vector<std::string> TraceFolder::Lines() const
{
    std::vector<std::string> lines;
    std::istringstream text(ReadFileBytes(FilePath()));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteCollectionsFile(const std::string& bytes)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
    WriteFileBytes(WindowsFolder() + "\\Tombolix2.ini", bytes);
}

std::string ReadProfileString(const char* file, const char* section, const char* key)
{
    char value[512] = "";
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
    GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, file);
    return value;
}

// A file that another process, still ending, held open while it was
// deleted cannot be made again until that process lets go of it.
void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    WaitUntil([&] {
        std::ofstream(path, std::ios::binary) << bytes;
        return ReadFileBytes(path) == bytes;
    }, std::chrono::seconds(10));
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace wintest
