// The screen savers a session or a preview starts, as Windows runs them:
// one over the whole desktop, started with "/s", or one hosted in a stage
// of a window of ours, started with "/p <stage>" in a job that ends it
// with this process.
#pragma once
#include "session/HostWnd.h"
#include "session/SessionHost.h"

#include <windows.h>
#include <string>
#include <vector>

// Waits, as a screen saver over the desktop is started, until the child is
// ready for input (5 s at most).
Launched LaunchOverDesktop(const std::vector<std::string>& extraFolders, const std::string& name);
// Does not wait: the caller watches the stage for the child's window.
Launched LaunchHosted(CHostWnd& window, HANDLE job, const std::vector<std::string>& extraFolders,
                      const std::string& name);
