#include "DisplayAndInput.h"

#include "WinTestSupport.h"

#include <thread>

namespace wintest {

namespace {
BOOL CALLBACK DescribeMonitor(HMONITOR, HDC, LPRECT rect, LPARAM lp)
{
    std::string& text = *reinterpret_cast<std::string*>(lp);
    if (!text.empty()) text += " ";
    text += std::to_string(rect->left) + "," + std::to_string(rect->top) + "-" + std::to_string(rect->right) + "," +
            std::to_string(rect->bottom);
    return TRUE;
}
}  // namespace

std::string MonitorRectangles()
{
    std::string text;
    EnumDisplayMonitors(nullptr, nullptr, &DescribeMonitor, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool WaitPumpingMessages(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    return WaitUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return condition();
    }, timeout, std::chrono::milliseconds(10));
}

namespace {
// A command line word that the Windows rules read back as the text itself.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    return quoted.append(backslashes, '\\') + "\"";
}
}  // namespace

// Wine starts a Linux program on its own, without a process handle to wait
// on: the shell leaves the command's status in a file, through the drive
// that Wine maps to the Linux root.
bool RunLinuxCommand(const std::string& shellCommand, std::chrono::milliseconds timeout)
{
    // Process ids of other prefixes' runs may be ours too: the time tells them apart.
    static int runs = 0;
    const std::string status = "/tmp/wintest-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(GetTickCount()) + "-" + std::to_string(++runs);
    std::string statusUnderWine = "Z:" + status;
    for (char& c : statusUnderWine)
        if (c == '/') c = '\\';
    DeleteFileA(statusUnderWine.c_str());

    const std::string script = "(" + shellCommand + ") </dev/null >/dev/null 2>&1; echo $? >" + status +
                               ".part && mv " + status + ".part " + status;
    std::string commandLine = "sh -c " + Quoted(script);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA("Z:\\bin\\sh", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    if (info.hProcess) CloseHandle(info.hProcess);
    if (info.hThread) CloseHandle(info.hThread);

    std::string code;
    WaitUntil([&] { return !(code = ReadFileBytes(statusUnderWine)).empty(); }, timeout, std::chrono::milliseconds(10));
    DeleteFileA(statusUnderWine.c_str());
    return code == "0\n";
}

bool XdoTool(const std::string& arguments)
{
    return RunLinuxCommand("/usr/bin/xdotool " + arguments, std::chrono::seconds(10));
}

}  // namespace wintest
