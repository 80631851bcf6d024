// What the screen-saving session needs of the system: the clock, the child
// processes and their windows, the windows of ours they show in, the
// session's timer and its end.
#pragma once
#include <cstdint>
#include "collections/LaunchOutcome.h"

#include <string>

// Where a screen saver shows: over the whole desktop, as Windows starts one,
// or in a window of ours on one monitor (0, 1, ...).
using Place = int;
constexpr Place wholeDesktop = -1;

class ISessionHost {
public:
    using ChildProcess = void*;
    using ChildWindow = uintptr_t;   // 0: none

    virtual ~ISessionHost() = default;

    // Whole seconds of calendar time.
    virtual int64_t Now() = 0;

    // Starts <name>.scr at idle priority: with "/s" over the whole desktop,
    // or with "/p <window>" in a fresh window of ours on the monitor. The
    // handle is ours to close, path names the file started.
    virtual LaunchOutcome Launch(const std::string& name, Place place, ChildProcess& process, uint32_t& processId,
                                 std::string& path) = 0;
    // False once the child has ended, or when asking fails.
    virtual bool IsStillActive(ChildProcess process) = 0;
    virtual void CloseProcess(ChildProcess process) = 0;

    // The first top-level window that the process owns.
    virtual ChildWindow FindChildWindow(uint32_t processId) = 0;
    virtual bool IsWindow(ChildWindow window) = 0;
    virtual void PostClose(ChildWindow window) = 0;
    virtual void PostHomeKey(ChildWindow window, bool down) = 0;

    // A monitor's window of ours: whether the screen saver started there
    // has shown a window in it; clearing it destroys our window there,
    // which ends a screen saver built the standard way.
    virtual bool ShowsScreenSaver(Place monitor) = 0;
    virtual void ClearPlace(Place monitor) = 0;
    // Hands the screen to one screen saver over the whole desktop: the
    // monitors' windows go, and the input is that screen saver's to answer.
    virtual void LeaveMonitors() = 0;

    // The session's one-second timer, and closing the session window.
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    virtual void EndSession() = 0;

    // One line of the trace that a user can send with a bug report; nothing
    // happens unless tracing is on.
    virtual void Trace(const std::string& line) = 0;
};
