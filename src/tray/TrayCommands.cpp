#include "tray/TrayCommands.h"

#include "os/OwnedHandle.h"

#include <string>

namespace {
// A command line of its own, at normal priority; only started, not watched.
void RunCommandLine(std::string commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &info))
        return;
    COwnedHandle process(info.hProcess);
    COwnedHandle thread(info.hThread);
}
}  // namespace

void ConfigureSystemScreenSaver()
{
    char saver[4096] = "";
    DWORD length = GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", saver, sizeof saver, "system.ini");
    // A name past the path limit is never handed to process creation.
    if (length == 0 || length >= MAX_PATH) return;
    RunCommandLine(std::string(saver) + " /c");
}

void OpenDisplayProperties()
{
    RunCommandLine("control.exe desk.cpl");
}

void SetSystemScreenSaverActive(bool active)
{
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
}
