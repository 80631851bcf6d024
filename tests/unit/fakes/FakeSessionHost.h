// Children with scripted behaviour on a clock in milliseconds that only
// moves when the test lets a tick pass; monitors whose windows of ours
// show what is hosted in them.
#pragma once
#include "session/Session.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct ChildScript {
    std::optional<int64_t> lifetimeMs;   // ends by itself after this long
    std::optional<int64_t> closeDelayMs; // ends this long after WM_CLOSE; none: ignores it
    std::optional<int64_t> homeDelayMs;  // ends this long after the Home key; none: ignores it
    bool hasWindow = true;
    bool previews = true;          // hosted, shows its window in ours
    bool endsWithWindow = true;    // hosted, ends when our window goes
};

struct FakeChild {
    std::string name;
    uint32_t id;
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
    int64_t Now() override { return nowMs / 1000; }
    LaunchOutcome Launch(const std::string& name, Place place, ChildProcess& process, uint32_t& processId,
                         std::string& path) override
    {
        launches.push_back(name);
        if (place != wholeDesktop) hosted.push_back(name + " on " + std::to_string(place + 1));
        auto script = scripts.find(name);
        if (script == scripts.end()) {
            process = nullptr;
            processId = 0;
            return unreachable.count(name) ? LaunchOutcome::NotStarted : LaunchOutcome::NotFound;
        }
        path = "C:\\Savers\\" + name + ".scr";
        children.push_back({name, nextId++, script->second, place, nowMs, {}, false, {}});
        FakeChild& child = children.back();
        if (child.script.lifetimeMs) child.EndAt(nowMs + *child.script.lifetimeMs);
        process = &child;
        processId = child.id;
        return LaunchOutcome::Started;
    }
    bool IsStillActive(ChildProcess process) override { return Child(process).Alive(nowMs); }
    void CloseProcess(ChildProcess process) override { Child(process).handleClosed = true; }
    ChildWindow FindChildWindow(uint32_t processId) override
    {
        for (FakeChild& child : children)
            if (child.id == processId && child.script.hasWindow && child.Alive(nowMs)) return child.id;
        return 0;
    }
    bool IsWindow(ChildWindow window) override
    {
        FakeChild* child = ById(window);
        return child && child->script.hasWindow && child->Alive(nowMs);
    }
    void PostClose(ChildWindow window) override
    {
        FakeChild& child = *ById(window);
        child.received.push_back("close at " + Time());
        if (child.script.closeDelayMs) child.EndAt(nowMs + *child.script.closeDelayMs);
    }
    void PostHomeKey(ChildWindow window, bool down) override
    {
        FakeChild& child = *ById(window);
        child.received.push_back(std::string(down ? "home down" : "home up") + " at " + Time());
        if (down && child.script.homeDelayMs) child.EndAt(nowMs + *child.script.homeDelayMs);
    }
    bool ShowsScreenSaver(Place monitor) override
    {
        FakeChild* child = HostedIn(monitor);
        return child && child->script.previews;
    }
    void ClearPlace(Place monitor) override
    {
        FakeChild* child = HostedIn(monitor);
        if (!child) return;
        child->received.push_back("window gone at " + Time());
        if (child->script.endsWithWindow) child->EndAt(nowMs);
        cleared.insert(child->id);
    }
    void LeaveMonitors() override { monitorsLeft = true; }
    void StartTimer() override { timerRunning = true; }
    void StopTimer() override { timerRunning = false; }
    void EndSession() override { ended = true; }
    void Trace(const std::string& line) override { trace.push_back(line); }

    // Lets whole seconds pass, ticking while the timer runs and the session lasts.
    void PassSeconds(CSession& session, int seconds)
    {
        for (int i = 0; i < seconds && !ended; ++i) {
            nowMs += 1000;
            if (timerRunning) session.Tick();
        }
    }

    FakeChild& Last() { return children.back(); }

    std::map<std::string, ChildScript> scripts;   // names that can be started
    std::set<std::string> unreachable;             // not started, but perhaps only out of reach
    std::vector<std::string> trace;
    std::deque<FakeChild> children;
    std::vector<std::string> launches;
    std::vector<std::string> hosted;   // "<name> on <monitor>"
    int64_t nowMs = 0;
    bool monitorsLeft = false;
    bool timerRunning = false;
    bool ended = false;

private:
    static FakeChild& Child(ChildProcess process) { return *static_cast<FakeChild*>(process); }
    std::string Time() const { return std::to_string(nowMs / 1000) + "s"; }
    // The running child in our window on the monitor, if any.
    FakeChild* HostedIn(Place monitor)
    {
        for (FakeChild& child : children)
            if (child.place == monitor && child.Alive(nowMs) && !cleared.count(child.id)) return &child;
        return nullptr;
    }
    std::set<uint32_t> cleared;
    FakeChild* ById(ChildWindow id)
    {
        for (FakeChild& child : children)
            if (child.id == id) return &child;
        return nullptr;
    }
    uint32_t nextId = 100;
};
