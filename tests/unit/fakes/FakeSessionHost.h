// Screen savers with scripted behaviour on a clock in milliseconds that
// only moves when the test lets time pass; monitors that a test can keep
// from being covered.
#pragma once
#include "session/Session.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct ChildScript {
    std::optional<int64_t> lifetimeMs;   // ends by itself after this long
    std::optional<int64_t> closeDelayMs; // ends this long after the close request; none: ignores it
    std::optional<int64_t> homeDelayMs;  // ends this long after the Home key; none: ignores it
    bool hasWindow = true;
    bool previews = true;                // hosted, shows its window in ours
    int64_t launchMs = 0;                // how long its launch takes
};

// What happened to one child, kept after the session let it go.
struct FakeChild {
    std::string name;
    ChildScript script;
    Place place;
    int64_t startMs;
    std::optional<int64_t> endMs;
    bool handleClosed = false;
    std::vector<std::string> received;

    bool Alive(int64_t nowMs) const { return !endMs || nowMs < *endMs; }
    void EndAt(int64_t ms) { if (!endMs || ms < *endMs) endMs = ms; }
};

class FakeSessionHost : public ISessionHost {
public:
    int64_t Now() override { return nowMs; }
    Launched Launch(const std::string& name, Place place) override
    {
        launches.push_back(name);
        if (place != wholeDesktop) hosted.push_back(name + " on " + std::to_string(place + 1));
        Launched launched;
        auto script = scripts.find(name);
        if (script == scripts.end()) {
            launched.outcome = unreachable.count(name) ? LaunchOutcome::NotStarted : LaunchOutcome::NotFound;
            nowMs += failedLaunchMs;
            return launched;
        }
        nowMs += script->second.launchMs;
        children.push_back({name, script->second, place, nowMs, {}, false, {}});
        FakeChild& child = children.back();
        if (child.script.lifetimeMs) child.EndAt(nowMs + *child.script.lifetimeMs);
        launched.outcome = LaunchOutcome::Started;
        launched.child = std::make_unique<Handle>(*this, child);
        launched.path = "C:\\Savers\\" + name + ".scr";
        return launched;
    }
    void Trace(const std::string& line) override { trace.push_back(line); }
    bool CoverMonitors() override
    {
        ++coverings;
        return canCover;
    }
    void LeaveMonitors() override { ++monitorsLeft; }
    int ReadMonitors() override { return monitorCount; }
    // The local clock runs with the session's from localStartMinutes, the
    // minutes since a Sunday's midnight; localShiftMinutes moves it as a
    // change of daylight saving time does.
    LocalTime LocalNow() override
    {
        const int64_t minutes = localStartMinutes + localShiftMinutes + nowMs / 60000;
        return {static_cast<int>(minutes / 1440 % 7), static_cast<int>(minutes % 1440)};
    }
    void StartTimer() override { timerRunning = true; }
    void StopTimer() override { timerRunning = false; }
    void EndSession() override { ended = true; }

    // Lets whole seconds pass, ticking while the timer runs and the session lasts.
    void PassSeconds(CSession& session, int seconds)
    {
        for (int i = 0; i < seconds && !ended; ++i) {
            nowMs += 1000;
            if (timerRunning) session.Tick();
        }
    }
    // Lets time pass in steps, ticking at each.
    template <class Ticked>
    void Pass(Ticked& ticked, int64_t ms, int64_t stepMs)
    {
        for (int64_t passed = 0; passed < ms; passed += stepMs) {
            nowMs += stepMs;
            ticked.Tick();
        }
    }

    FakeChild& Last() { return children.back(); }
    size_t Running() const
    {
        size_t count = 0;
        for (const FakeChild& child : children) count += child.Alive(nowMs) ? 1 : 0;
        return count;
    }

    std::map<std::string, ChildScript> scripts;   // names that can be started
    std::set<std::string> unreachable;             // not started, but perhaps only out of reach
    int64_t failedLaunchMs = 0;                    // how long a launch that finds nothing takes
    std::vector<std::string> trace;
    std::deque<FakeChild> children;
    std::vector<std::string> launches;
    std::vector<std::string> hosted;   // "<name> on <monitor>"
    int64_t nowMs = 0;
    int64_t localStartMinutes = 1440 + 9 * 60;   // a Monday at 09:00
    int64_t localShiftMinutes = 0;
    bool canCover = true;
    int coverings = 0;
    int monitorsLeft = 0;
    int monitorCount = 2;
    bool timerRunning = false;
    bool ended = false;

private:
    // The session's hold on one child: it behaves as its script says.
    class Handle : public IChild {
    public:
        Handle(FakeSessionHost& host, FakeChild& child) : host(host), child(child) {}
        ~Handle() override { child.handleClosed = true; }

        bool IsRunning() override { return Alive(); }
        bool HasShownItself() override
        {
            return child.place != wholeDesktop && child.script.previews && !windowGone && Alive();
        }
        void TakeWindowAway() override
        {
            Receive("window gone");
            windowGone = true;
        }
        bool AskToClose() override
        {
            if (!child.script.hasWindow || !Alive()) return false;
            Receive("close");
            if (child.script.closeDelayMs) child.EndAt(host.nowMs + *child.script.closeDelayMs);
            return true;
        }
        void PressHome() override
        {
            if (!child.script.hasWindow || !Alive()) return;
            Receive("home down");
            if (child.script.homeDelayMs) child.EndAt(host.nowMs + *child.script.homeDelayMs);
            if (Alive()) Receive("home up");
        }
        void End() override
        {
            Receive("ended");
            child.EndAt(host.nowMs);
        }

    private:
        bool Alive() const { return child.Alive(host.nowMs); }
        void Receive(const std::string& what)
        {
            child.received.push_back(what + " at " + std::to_string(host.nowMs / 1000) + "s");
        }

        FakeSessionHost& host;
        FakeChild& child;
        bool windowGone = false;
    };
};
