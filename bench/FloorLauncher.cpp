// The least a program can do to show a screen saver: start it and wait until
// it is ready for input. The benchmark's floor for the time to the first
// screen saver. Argument: the screen saver's path.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2) return 1;
    std::string path = __argv[1];
    std::string commandLine = "\"" + path + "\" /s";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, IDLE_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &info))
        return 1;
    WaitForInputIdle(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}
