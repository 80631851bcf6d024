// What both floor programs do first: start the screen saver named on the
// command line at idle priority and wait until it is ready for input.
#pragma once
#include <windows.h>

#include <string>

// The child's process handle, or null when there is none.
inline HANDLE StartScreenSaverFromCommandLine()
{
    if (__argc < 2) return nullptr;
    std::string path = __argv[1];
    std::string commandLine = "\"" + path + "\" /s";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, IDLE_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &info))
        return nullptr;
    WaitForInputIdle(info.hProcess, 5000);
    CloseHandle(info.hThread);
    return info.hProcess;
}
