#pragma once

// The run mode of a process, chosen once from the command line.
enum RunMode {
    ModeNone = 0,
    ModeChangePassword = 1,
    ModePreview = 3,
    ModeConfigure = 4,
    ModeScreenSaver = 5,
    ModeTray = 6,
};
