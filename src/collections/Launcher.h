// Starting a screen-saver file (or the program itself) as a child process.
#pragma once
#include "collections/LaunchOutcome.h"
#include "os/OwnedHandle.h"

#include <windows.h>
#include <string>
#include <vector>

// A screen saver's start: how it went and, when it started, the child's
// handle, which closes with this, its id and the file started.
struct StartedScreenSaver {
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    COwnedHandle process;
    DWORD processId = 0;
    std::string path;
};

// Tries <name>.scr in the system folder, the Windows folder and each extra
// folder, in this order, and starts the first that yields a process.
StartedScreenSaver LaunchScreenSaver(const std::vector<std::string>& extraFolders, const std::string& name,
                                     const std::string& arguments, DWORD creationFlags, HANDLE job = nullptr);

// One attempt: "<path>" <arguments>, waiting up to 5 s for the child to be
// ready for input. A child given a job joins it before it runs and is not
// waited for: it shows itself in a window of ours, which the caller
// watches. A path beyond the system's limit is not attempted.
bool StartProcess(const std::string& path, const std::string& arguments, DWORD creationFlags,
                  HANDLE* process, DWORD* processId, HANDLE job = nullptr);
