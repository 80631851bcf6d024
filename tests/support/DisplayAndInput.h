// Helpers for the scenarios about the display: its monitors, this thread's
// windows kept answering while a test waits, and input made on the Linux
// side of the machine with xdotool, which Wine takes as the user's.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace wintest {

// The monitors' rectangles in the order Windows lists them, each as
// "left,top-right,bottom", separated by spaces.
std::string MonitorRectangles();

// As WaitUntil, while this thread's windows handle their messages: another
// process's window that is a child of ours waits on them when it is made.
bool WaitPumpingMessages(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Runs a command line with the Linux shell and waits for it; true when it
// ended within the timeout with status 0.
bool RunLinuxCommand(const std::string& shellCommand, std::chrono::milliseconds timeout);

// Runs xdotool with the arguments in this X display; true when it succeeded.
bool XdoTool(const std::string& arguments);

}  // namespace wintest
