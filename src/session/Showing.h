// One screen saver shown in one place: its process, its window, its clock,
// and its ending, which runs on the session's ticks so that the session
// answers input, its other monitors and a close request meanwhile.
#pragma once
#include "session/SessionHost.h"

#include <cstdint>
#include <string>

class CSaverEntry;

class CShowing {
public:
    enum class Ending { Ended, Abandoned, Waiting };

    CShowing(ISessionHost& host, Place place) : host(host), place(place) {}
    ~CShowing() { Release(); }
    CShowing(const CShowing&) = delete;
    CShowing& operator=(const CShowing&) = delete;

    // One attempt at starting the named screen saver here.
    LaunchOutcome Start(const std::string& name, CSaverEntry* entry, int64_t now);

    bool IsEmpty() const { return processId == 0; }
    bool IsEnding() const { return stage != Stage::Showing; }
    bool IsHosted() const { return place != wholeDesktop; }
    bool IsStillActive() { return host.IsStillActive(process); }
    const std::string& Name() const { return name; }
    CSaverEntry* Entry() const { return entry; }
    int64_t StartTime() const { return startTime; }
    Place Where() const { return place; }
    // A hosted screen saver has shown its window in ours, now or before.
    bool HasShownItself();

    // Starts the ending, which leads to the blanker or to the next choice:
    // a hosted screen saver loses its window; one over the desktop is
    // asked to close, false when it has no window to ask.
    bool BeginEnding(bool forBlanker);
    bool EndsForBlanker() const { return endsForBlanker; }
    // The ending's step at each tick: a close request for a hosted one that
    // outlived its window, the Home key 12 s after the request, abandoned
    // 12 s after the key; a child that ended is released.
    Ending ContinueEnding();
    // Forgets the child, which runs on or has ended.
    void Release();

private:
    enum class Stage { Showing, WindowGone, CloseAsked, HomePressed };

    void AskToClose();
    void PressHome();

    ISessionHost& host;
    const Place place;
    ISessionHost::ChildProcess process = nullptr;
    uint32_t processId = 0;
    ISessionHost::ChildWindow window = 0;
    std::string name;
    CSaverEntry* entry = nullptr;
    int64_t startTime = 0;
    bool shownItself = false;
    Stage stage = Stage::Showing;
    bool endsForBlanker = false;
    int ticksInStage = 0;
};
