// The least a program can do to show a screen saver: start it and wait until
// it is ready for input. The benchmark's floor for the time to the first
// screen saver. Argument: the screen saver's path.
#include "FloorStart.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HANDLE child = StartScreenSaverFromCommandLine();
    if (!child) return 1;
    CloseHandle(child);
    return 0;
}
