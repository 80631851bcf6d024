// The screen-saving session: starts the chosen screen savers, one over the
// whole desktop or one on each monitor, watches them once a second, ends
// each when its time is up and starts the next, hands over to the blanker
// after its period, and ends when the one over the desktop ends.
#pragma once
#include "collections/Collection.h"
#include "session/SessionHost.h"
#include "session/Showing.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CRandom;

// The settings and start-up facts that the session follows.
struct SessionRules {
    bool useBlanker = false;
    int32_t blankerMinutes = 120;
    std::string blankerName;
    bool passwordOverride = false;
    bool passwordInUse = false;
    int64_t startTime = 0;   // program start, whole seconds
    int monitors = 1;        // a mirrored monitor counts once
    bool saverPerMonitor = true;
};

class CSession {
public:
    CSession(ISessionHost& host, CRandom& random, SessionRules rules, std::unique_ptr<CCollection> collection);
    ~CSession();
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // Starts a screen saver over the desktop, or one on each monitor,
    // wherever none shows yet; false when nothing was started.
    bool Begin();
    // The once-a-second check.
    void Tick();

private:
    void TickDesktop(CShowing& showing);
    void TickMonitor(CShowing& showing, bool blankerDue);
    // After an ending: the next screen saver in the same place, unless the
    // session is handing the screen to one over the desktop.
    void FollowEnding(CShowing& showing, CShowing::Ending ending);
    // Starts the blanker, or the next choice, in the place; false when
    // nothing was started.
    bool LaunchInto(CShowing& showing, bool useBlanker);
    bool LaunchBlanker(CShowing& showing);
    bool LaunchChoice(CShowing& showing);
    // A screen saver that cannot show itself in our window: every monitor's
    // ends, and its turn runs over the whole desktop once they have.
    void FallBack(CShowing& failed);
    void FinishFallBack();
    bool BlankerDue(int64_t now) const;
    bool DurationOver(const CShowing& showing, int64_t now) const;
    // The child ignored both requests and runs on: it is not started again
    // in this session, or a copy of it would pile up at each of its turns.
    void Abandon(const std::string& name);
    bool WasAbandoned(const std::string& name) const;
    // The collection's next choice that was not abandoned; at random, one
    // not showing on another monitor while the collection has enough
    // others.
    CSaverEntry* ChooseFor(const CShowing& showing);
    CSaverEntry* ChooseNotAbandoned();
    bool ShowsElsewhere(const CShowing& showing, const std::string& name) const;
    size_t DrawableCount() const;
    void EndSession(const std::string& reason);

    ISessionHost& host;
    CRandom& random;
    SessionRules rules;
    std::unique_ptr<CCollection> collection;

    std::vector<std::unique_ptr<CShowing>> showings;
    bool blankerAnnounced = false;
    bool reportedNoWindow = false;
    // Once a screen saver could not show itself in our window, the session
    // is one over the whole desktop for good; its turn waits for the
    // monitors' screen savers to end.
    bool fallingBack = false;
    std::string fallBackName;
    CSaverEntry* fallBackEntry = nullptr;
    std::vector<std::string> abandoned;
};
