// The commands of the tray menu that reach Windows directly.
#pragma once
#include <windows.h>

enum TrayCommand : UINT {
    CommandRunScreenSaver = 32771,
    CommandDisableScreenSaver = 32772,
    CommandTombolixSettings = 32773,
    CommandDisplayProperties = 32774,
    CommandExit = 32775,
    CommandEnableScreenSaver = 32776,
    CommandRunTombolix = 32777,
    CommandConfigureScreenSaver = 32778,
};

// Runs the "SCRNSAVE.EXE" of system.ini's [boot] section with " /c"; does
// nothing without one.
void ConfigureSystemScreenSaver();
// "control.exe desk.cpl".
void OpenDisplayProperties();
// Switches the system screen saver for this session only (no profile update).
void SetSystemScreenSaverActive(bool active);
