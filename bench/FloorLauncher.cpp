// The least a program can do to show a screen saver: start it and wait until
// it is ready for input. The benchmark's floor for the time to the first
// screen saver. Arguments: the screen saver's path, and "/window" to create
// a hidden window first, as a session must have one (the first window of a
// process connects it to the display, which Wine takes a while to do).
#include "FloorStart.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc > 2 && lstrcmpA(__argv[2], "/window") == 0)
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    HANDLE child = StartScreenSaverFromCommandLine();
    if (!child) return 1;
    CloseHandle(child);
    return 0;
}
