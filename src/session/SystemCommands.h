// Which system commands the main window refuses.
#pragma once
#include "app/RunMode.h"

#include <cstdint>

constexpr uint32_t SystemCommandClose = 0xF060;        // SC_CLOSE
constexpr uint32_t SystemCommandScreenSave = 0xF140;   // SC_SCREENSAVE

// The session window refuses to be closed or to start a screen saver over
// itself; the tray window refuses only the screen saver, and only while it
// has switched the system screen saver off. Compared exactly: the low four
// bits are not masked.
inline bool SwallowsSystemCommand(RunMode mode, uint32_t command, bool screenSaverDisabled)
{
    if (mode == ModeTray) return command == SystemCommandScreenSave && screenSaverDisabled;
    return command == SystemCommandScreenSave || command == SystemCommandClose;
}
