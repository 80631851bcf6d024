// What the screen-saving session needs of the system: the clock, the child
// process and its window, the session's timer and its end.
#pragma once
#include <cstdint>
#include "collections/LaunchOutcome.h"

#include <string>

class ISessionHost {
public:
    using ChildProcess = void*;
    using ChildWindow = uintptr_t;   // 0: none

    virtual ~ISessionHost() = default;

    // Whole seconds of calendar time.
    virtual int64_t Now() = 0;
    virtual void Sleep(int milliseconds) = 0;

    // Starts <name>.scr "/s" at idle priority; the handle is ours to close,
    // path names the file started.
    virtual LaunchOutcome Launch(const std::string& name, ChildProcess& process, uint32_t& processId,
                                 std::string& path) = 0;
    // False once the child has ended, or when asking fails.
    virtual bool IsStillActive(ChildProcess process) = 0;
    virtual void CloseProcess(ChildProcess process) = 0;

    // The first top-level window that the process owns.
    virtual ChildWindow FindChildWindow(uint32_t processId) = 0;
    virtual bool IsWindow(ChildWindow window) = 0;
    virtual void PostClose(ChildWindow window) = 0;
    virtual void PostHomeKey(ChildWindow window, bool down) = 0;

    // The session's one-second timer, and closing the session window.
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    virtual void EndSession() = 0;

    // One line of the trace that a user can send with a bug report; nothing
    // happens unless tracing is on.
    virtual void Trace(const std::string& line) = 0;
};
