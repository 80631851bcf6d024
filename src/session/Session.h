// The screen-saving session: starts the chosen screen savers, one over the
// whole desktop or one on each monitor, watches them once a second, ends
// each when its time is up and starts the next, hands over to the blanker
// after its period, and ends when the one over the desktop ends or, on the
// monitors, at the user's first input.
#pragma once
#include "collections/Collection.h"
#include "collections/Settings.h"
#include "session/SessionCollections.h"
#include "session/SessionHost.h"
#include "session/Showing.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CRandom;

// The stored options that the session follows (the blanker and its
// period, the uninterrupted one, one on each monitor, no immediate repeat)
// and the facts of its start.
struct SessionRules : ProgramOptions {
    bool passwordInUse = false;
    int64_t startTime = 0;   // program start, whole seconds
    int monitors = 1;        // a mirrored monitor counts once
};

// Whether the rules allow a screen saver on each monitor, given two or
// more: the desktop password wants the one screen saver that asks for it.
inline bool MayShowOnEachMonitor(const SessionRules& rules)
{
    return rules.saverPerMonitor && !rules.passwordInUse && !rules.passwordOverride;
}

class CSession {
public:
    CSession(ISessionHost& host, CRandom& random, SessionRules rules, std::unique_ptr<CCollection> collection);
    ~CSession();
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // From now on each turn takes the collection that the schedule's rules
    // pick at the local time of the turn.
    void FollowSchedule(SessionSchedule schedule, CSessionCollections::Loader load)
    {
        collections.FollowSchedule(std::move(schedule), std::move(load));
    }

    // Starts a screen saver over the desktop, or one on each monitor;
    // false when nothing was started.
    bool Begin();
    // The once-a-second check.
    void Tick();
    // The user's input, which the host watches while screen savers run in
    // our windows: every one of them ends at once, and so does the session.
    void OnInput();
    // The monitors changed: each one of the new layout is covered afresh.
    void OnDisplayChange();

private:
    // Desktop: one screen saver over the whole desktop, which answers the
    // input itself. Monitors: one in our window on each. HandingOver: one
    // could not show itself in our window; the monitors' screen savers end
    // and its turn then runs over the whole desktop.
    enum class Layout { Desktop, Monitors, HandingOver };

    void Arrange();
    void TickDesktop(CShowing& showing);
    void TickMonitor(CShowing& showing, bool blankerDue);
    void TickHandingOver();
    // After an ending: the next screen saver in the same place.
    void FollowEnding(CShowing& showing, CShowing::Ending ending);
    // Starts the blanker, or the next choice, in the place; false when
    // nothing was started.
    bool LaunchInto(CShowing& showing, bool useBlanker);
    bool LaunchBlanker(CShowing& showing);
    bool LaunchChoice(CShowing& showing);
    void HandOver(CShowing& failed);
    void FinishHandOver();
    // Every screen saver ends by force and the monitors' windows go.
    void ClearPlaces();
    bool BlankerDue(int64_t now) const;
    // The child ignored both requests and runs on: it is not started again
    // in this session, or a copy of it would pile up at each of its turns.
    void Abandon(const std::string& name);
    bool WasAbandoned(const std::string& name) const;
    // The collection's next choice that was not abandoned; on a monitor,
    // one not showing or ending on another while the collection has
    // enough others.
    CSaverEntry* ChooseFor(const CShowing& showing);
    CSaverEntry* ChooseApartFromOthers(const CShowing& showing);
    CSaverEntry* ChooseNotAbandoned();
    bool ShowsElsewhere(const CShowing& showing, const std::string& name) const;
    size_t ChoosableCount() const;
    void EndSession(const std::string& reason);

    ISessionHost& host;
    CRandom& random;
    SessionRules rules;
    CSessionCollections collections;

    Layout layout = Layout::Desktop;
    std::vector<std::unique_ptr<CShowing>> showings;
    bool blankerAnnounced = false;
    bool over = false;
    // What runs over the whole desktop once the hand-over is done.
    std::string handOverName;
    CSaverEntry* handOverEntry = nullptr;
    std::vector<std::string> abandoned;
};
