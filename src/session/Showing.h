// One screen saver shown in one place: the child, its stage from empty
// through starting and showing to the steps of its ending, and the
// deadlines of each, on the host's clock. It runs on the caller's ticks,
// so that the session answers input, its other monitors and a close
// request meanwhile, and it never waits on the child.
#pragma once
#include "session/SessionHost.h"

#include <cstdint>
#include <memory>
#include <string>

class CSaverEntry;

class CShowing {
public:
    enum class Stage {
        Empty,
        Starting,      // hosted, not yet shown in our window
        Showing,
        Closing,       // asked to close
        HomePressed,   // over the desktop: the Home key after the close request
        Ending,        // hosted: ended by force, going
    };
    enum class Arrival { Waiting, Shown, NotShown };
    enum class Ending { Ended, Abandoned, Waiting };

    CShowing(IHosting& host, Place place) : host(host), place(place) {}
    ~CShowing();
    CShowing(const CShowing&) = delete;
    CShowing& operator=(const CShowing&) = delete;

    // One attempt at starting the named screen saver here; the blanker has
    // no entry. Its time counts from when the launch returned.
    LaunchOutcome Start(const std::string& name, CSaverEntry* entry);

    Stage GetStage() const { return stage; }
    bool IsEmpty() const { return stage == Stage::Empty; }
    bool IsEnding() const { return stage >= Stage::Closing; }
    bool IsHosted() const { return place != wholeDesktop; }
    bool IsBlanker() const { return !IsEmpty() && !entry; }
    bool IsRunning() { return child && child->IsRunning(); }
    const std::string& Name() const { return name; }
    CSaverEntry* Entry() const { return entry; }
    Place Where() const { return place; }

    // A hosted one that is starting: shown once its window is in ours; not
    // shown when it has ended or has not shown itself within 3 s.
    Arrival CheckArrival();
    // The entry's duration has been reached, in whole seconds.
    bool TurnOver(int64_t now) const;
    // Whole milliseconds since the launch returned.
    int64_t Age(int64_t now) const { return now - startedAt; }

    // Starts the ending, which leads to the blanker or to the next choice:
    // the child is asked to close, and a hosted one loses its window. False
    // when one over the desktop has no window to ask: it is watched on.
    bool BeginEnding(bool forBlanker);
    bool EndsForBlanker() const { return endsForBlanker; }
    // The ending's step at each tick. Over the desktop: the Home key 12 s
    // after the close request, abandoned 12 s after the key. Hosted: ended
    // by force 2 s after the request. A child that ended is let go.
    Ending ContinueEnding();
    // A hosted one is ended by force at once: the session ends, the
    // monitors change, or the screen goes to one over the desktop.
    void EndNow();
    // Lets the child go, ended or running on.
    void Release();

private:
    void PressHome();
    void Enter(Stage next, int64_t waitMs);
    bool DeadlinePassed() { return host.Now() >= deadline; }

    IHosting& host;
    const Place place;
    std::unique_ptr<IChild> child;
    std::string name;
    CSaverEntry* entry = nullptr;
    Stage stage = Stage::Empty;
    int64_t startedAt = 0;
    int64_t deadline = 0;
    bool endsForBlanker = false;
    bool reportedNoWindow = false;
};
