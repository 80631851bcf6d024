// Which system commands the session window refuses.
#pragma once
#include <cstdint>

constexpr uint32_t SystemCommandClose = 0xF060;        // SC_CLOSE
constexpr uint32_t SystemCommandScreenSave = 0xF140;   // SC_SCREENSAVE

// The session window refuses to be closed or to start a screen saver over
// itself. Compared exactly: the low four bits are not masked.
inline bool SessionSwallowsSystemCommand(uint32_t command)
{
    return command == SystemCommandScreenSave || command == SystemCommandClose;
}
