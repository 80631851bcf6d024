// How the start of a screen saver went.
#pragma once

// Only NotFound means the screen saver is gone for good: every searched
// folder could be looked into and none holds its file.
enum class LaunchOutcome { Started, NotFound, NotStarted };
