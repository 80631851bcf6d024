// Starting the resident instance with Windows through a start-up shortcut.
#pragma once

class CSettings;

// Installs the shortcut when AutoStart and UseTray are both on, removes it
// otherwise.
void ApplyAutoStart(const CSettings& settings);
