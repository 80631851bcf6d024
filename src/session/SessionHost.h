// What the screen-saving session and the preview need of the system: the
// clock, the screen savers they start, the windows of ours those show in,
// the session's timer and its end.
#pragma once
#include "collections/LaunchOutcome.h"
#include "collections/LocalClock.h"

#include <cstdint>
#include <memory>
#include <string>

// Where a screen saver shows: over the whole desktop, as Windows starts one,
// or in a window of ours: on monitor 0, 1, ..., or in the preview's picture.
using Place = int;
constexpr Place wholeDesktop = -1;
constexpr Place thePreview = -2;

// A screen saver we started. Nothing here waits on it: a screen saver is a
// stranger's program and may stop answering at any moment. Letting go of
// the object closes our handle; a hosted one that still runs is ended then,
// since its window lives in ours.
class IChild {
public:
    virtual ~IChild() = default;

    // False once it has ended, or when asking fails.
    virtual bool IsRunning() = 0;
    // A hosted one has put its window into the stage made for it.
    virtual bool HasShownItself() = 0;
    // A hosted one no longer shows while it ends.
    virtual void TakeWindowAway() = 0;
    // Posts it a close request; false when it has no window to ask.
    virtual bool AskToClose() = 0;
    // Posts the Home key, down and, while its window stays, up.
    virtual void PressHome() = 0;
    // Ends it by force: only hosted ones, which are ours.
    virtual void End() = 0;
};

struct Launched {
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    std::unique_ptr<IChild> child;   // set when started
    std::string path;                // the file started
};

// Starting screen savers in places, on one clock.
class IHosting {
public:
    virtual ~IHosting() = default;

    // Milliseconds of calendar time: every wait of the session and the
    // preview runs on this one clock.
    virtual int64_t Now() = 0;
    // Starts <name>.scr at idle priority: with "/s" over the whole desktop,
    // or with "/p <stage>" in a fresh stage of our window in the place.
    // Returns once the child runs (over the desktop, once it is ready for
    // input or after 5 s).
    virtual Launched Launch(const std::string& name, Place place) = 0;
    // One line of the trace that a user can send with a bug report; nothing
    // happens unless tracing is on.
    virtual void Trace(const std::string& line) = 0;
};

class ISessionHost : public IHosting {
public:
    // A window of ours over every monitor and the watch on the user's
    // input, all of them or, when any cannot be made, none (the reason is
    // traced): false then.
    virtual bool CoverMonitors() = 0;
    // The monitors' windows and the input watch go. Their screen savers
    // have been let go first.
    virtual void LeaveMonitors() = 0;
    // Reads the monitors again after the display changed: how many there
    // are now, each counted once.
    virtual int ReadMonitors() = 0;
    // The local time as Windows gives it now, daylight saving time included.
    virtual LocalTime LocalNow() = 0;

    // The session's one-second timer, and closing the session window.
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    virtual void EndSession() = 0;
};
