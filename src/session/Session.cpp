#include "session/Session.h"

#include "collections/StoredNames.h"

#include <algorithm>

namespace {
constexpr int64_t secondsPerMinute = 60;
// Draws before a screen saver showing elsewhere is taken after all.
constexpr size_t drawsPerCandidate = 64;

std::string MonitorNumber(Place place)
{
    return std::to_string(place + 1);
}
}  // namespace

CSession::CSession(ISessionHost& host, CRandom& random, SessionRules rules, std::unique_ptr<CCollection> collection)
    : host(host), random(random), rules(std::move(rules)), collections(std::move(collection))
{
}

CSession::~CSession() = default;

bool CSession::Begin()
{
    if (showings.empty()) Arrange();
    // In list order the monitors take consecutive entries.
    bool any = false;
    for (auto& showing : showings)
        if (showing->IsEmpty()) any = LaunchInto(*showing, false) || any;
    if (any) {
        host.StartTimer();
    } else if (layout == Layout::Monitors) {
        showings.clear();
        host.LeaveMonitors();
    }
    return any;
}

void CSession::Arrange()
{
    layout = Layout::Desktop;
    bool perMonitor = rules.monitors >= 2 && MayShowOnEachMonitor(rules);
    if (perMonitor && !host.CoverMonitors()) {
        host.Trace("not every monitor could be covered; one screen saver over the whole desktop");
        perMonitor = false;
    }
    if (!perMonitor) {
        showings.push_back(std::make_unique<CShowing>(host, wholeDesktop));
        return;
    }
    layout = Layout::Monitors;
    for (Place place = 0; place < rules.monitors; ++place)
        showings.push_back(std::make_unique<CShowing>(host, place));
}

void CSession::Tick()
{
    if (over || showings.empty()) return;
    if (layout == Layout::Desktop) return TickDesktop(*showings[0]);
    if (layout == Layout::HandingOver) return TickHandingOver();
    const bool blankerDue = BlankerDue(host.Now());
    for (auto& showing : showings) {
        TickMonitor(*showing, blankerDue);
        if (layout != Layout::Monitors) return;
    }
    if (std::all_of(showings.begin(), showings.end(), [](const auto& s) { return s->IsEmpty(); }))
        EndSession("nothing more could be started");
}

void CSession::TickDesktop(CShowing& showing)
{
    if (showing.IsEmpty()) return;
    if (showing.IsEnding()) {
        CShowing::Ending ending = showing.ContinueEnding();
        if (ending != CShowing::Ending::Waiting) FollowEnding(showing, ending);
        return;
    }
    if (!showing.IsRunning()) {
        std::string name = showing.Name();
        showing.Release();
        EndSession(name + " ended by itself");
        return;
    }
    if (showing.IsBlanker()) return;   // the blanker is never interrupted
    if (rules.passwordInUse || rules.passwordOverride) return;
    // Without a blanker name there is nothing to switch to: the rotation
    // goes on rather than interrupting every screen saver at once.
    const int64_t now = host.Now();
    const bool switchToBlanker = BlankerDue(now);
    // Without a window to ask the child is watched on, so that its own end
    // still ends the session.
    if (switchToBlanker || showing.TurnOver(now)) showing.BeginEnding(switchToBlanker);
}

void CSession::TickMonitor(CShowing& showing, bool blankerDue)
{
    switch (showing.GetStage()) {
    case CShowing::Stage::Empty:
        // A monitor whose last start failed gets the next choice.
        LaunchInto(showing, blankerDue);
        return;
    case CShowing::Stage::Starting:
        switch (showing.CheckArrival()) {
        case CShowing::Arrival::NotShown: return HandOver(showing);
        case CShowing::Arrival::Waiting: return;
        case CShowing::Arrival::Shown: break;
        }
        [[fallthrough]];
    case CShowing::Stage::Showing:
        if (!showing.IsRunning()) {
            host.Trace(showing.Name() + " ended by itself on monitor " + MonitorNumber(showing.Where()));
            showing.Release();
            LaunchInto(showing, blankerDue);
        } else if (!showing.IsBlanker() && (blankerDue || showing.TurnOver(host.Now()))) {
            showing.BeginEnding(blankerDue);
        }
        return;
    default: {
        CShowing::Ending ending = showing.ContinueEnding();
        if (ending != CShowing::Ending::Waiting) FollowEnding(showing, ending);
    }
    }
}

void CSession::TickHandingOver()
{
    for (auto& showing : showings)
        if (!showing->IsEmpty() && showing->ContinueEnding() == CShowing::Ending::Abandoned)
            Abandon(showing->Name());
    if (std::all_of(showings.begin(), showings.end(), [](const auto& s) { return s->IsEmpty(); })) FinishHandOver();
}

void CSession::FollowEnding(CShowing& showing, CShowing::Ending ending)
{
    if (ending == CShowing::Ending::Abandoned) Abandon(showing.Name());
    // On a monitor a failed start is tried again at the next tick.
    if (!LaunchInto(showing, showing.EndsForBlanker()) && layout == Layout::Desktop)
        EndSession("nothing more could be started");
}

bool CSession::LaunchInto(CShowing& showing, bool useBlanker)
{
    if (useBlanker && !rules.blankerName.empty()) return LaunchBlanker(showing);
    return LaunchChoice(showing);
}

bool CSession::LaunchBlanker(CShowing& showing)
{
    if (!blankerAnnounced) host.Trace("switch to the blanker " + rules.blankerName);
    blankerAnnounced = true;
    if (WasAbandoned(rules.blankerName)) {
        // Its abandoned copy still runs and covers the screen.
        host.Trace("the blanker " + rules.blankerName + " was abandoned in this session; not started again");
        return false;
    }
    bool started = showing.Start(rules.blankerName, nullptr) == LaunchOutcome::Started;
    if (!started) host.Trace("could not start the blanker " + rules.blankerName);
    return started;
}

bool CSession::LaunchChoice(CShowing& showing)
{
    collections.FollowClock(host.LocalNow(), host);
    CSaverEntry* entry = ChooseFor(showing);
    if (!entry) {
        host.Trace(collections.InEffect().GetEntries().empty()
                       ? "nothing to start: no screen saver is selected"
                       : "nothing to start: every screen saver left to choose was abandoned in this session");
        return false;
    }
    const std::string name = entry->GetName();
    LaunchOutcome outcome = showing.Start(name, entry);
    // A screen saver that is surely gone leaves the collection; one that may
    // only be out of reach for now stays.
    if (outcome == LaunchOutcome::NotFound) {
        collections.InEffect().ForgetEntry(*entry);
        host.Trace("forgot " + name + ": found in no searched folder");
    } else if (outcome != LaunchOutcome::Started) {
        host.Trace("could not start " + name + "; kept, as a searched folder is missing or the file would not start");
    }
    return outcome == LaunchOutcome::Started;
}

// Every monitor's screen saver is ended at once: the screen goes to the
// one that could not show itself here as soon as they are gone.
void CSession::HandOver(CShowing& failed)
{
    host.Trace(failed.Name() + " showed nothing in our window on monitor " + MonitorNumber(failed.Where()) +
               "; one screen saver over the whole desktop from now on");
    layout = Layout::HandingOver;
    handOverName = failed.Name();
    handOverEntry = failed.Entry();
    for (auto& showing : showings) showing->EndNow();
}

void CSession::FinishHandOver()
{
    showings.clear();
    host.LeaveMonitors();
    layout = Layout::Desktop;
    showings.push_back(std::make_unique<CShowing>(host, wholeDesktop));
    CShowing& desktop = *showings[0];
    bool started;
    if (WasAbandoned(handOverName)) started = LaunchInto(desktop, !handOverEntry);
    else started = desktop.Start(handOverName, handOverEntry) == LaunchOutcome::Started;
    if (!started) EndSession("nothing more could be started");
}

void CSession::OnInput()
{
    if (over || layout == Layout::Desktop) return;
    ClearPlaces();
    EndSession("input from the user");
}

void CSession::OnDisplayChange()
{
    if (over || layout == Layout::Desktop) return;
    ClearPlaces();
    rules.monitors = host.ReadMonitors();
    host.Trace("the monitors changed: " + std::to_string(rules.monitors) + " now; each is covered afresh");
    if (!Begin()) EndSession("nothing more could be started");
}

void CSession::ClearPlaces()
{
    // Ended first, so that taking their windows down waits on none of them.
    for (auto& showing : showings) showing->EndNow();
    showings.clear();
    host.LeaveMonitors();
    layout = Layout::Desktop;
}

bool CSession::BlankerDue(int64_t now) const
{
    return rules.useBlanker && !rules.blankerName.empty() &&
           now / 1000 - rules.startTime > rules.blankerMinutes * secondsPerMinute;
}

void CSession::EndSession(const std::string& reason)
{
    over = true;
    host.StopTimer();
    host.Trace("end: " + reason);
    host.EndSession();
}

void CSession::Abandon(const std::string& name)
{
    host.Trace("abandoned " + name + ": it still runs; not started again in this session");
    abandoned.push_back(name);
    // The draw by weight leaves it out of its total.
    collections.WithdrawFromDraw(name);
}

bool CSession::WasAbandoned(const std::string& name) const
{
    return std::any_of(abandoned.begin(), abandoned.end(),
                       [&](const std::string& gone) { return SameName(gone, name); });
}

CSaverEntry* CSession::ChooseFor(const CShowing& showing)
{
    CSaverEntry* entry = ChooseApartFromOthers(showing);
    // The place's last screen saver is its name until the next start.
    const std::string& last = showing.Name();
    if (!rules.noImmediateRepeat || collections.InEffect().GetCycle() || !entry || last.empty() ||
        !SameName(entry->GetName(), last) || ChoosableCount() < 2)
        return entry;
    host.Trace("drawn again: " + last + " was just shown here");
    // Further draws from the same sequence: the session stays repeatable
    // from its seed.
    for (size_t draws = drawsPerCandidate * ChoosableCount(); draws > 1 && entry && SameName(entry->GetName(), last);
         --draws)
        entry = ChooseApartFromOthers(showing);
    return entry;
}

CSaverEntry* CSession::ChooseApartFromOthers(const CShowing& showing)
{
    if (!showing.IsHosted()) return ChooseNotAbandoned();
    // A screen saver still ending elsewhere counts as showing there: a
    // second copy of a stubborn one would start beside it.
    size_t shownElsewhere = 0;
    for (const auto& other : showings)
        if (other.get() != &showing && !other->IsEmpty() && !other->IsBlanker()) ++shownElsewhere;
    // Too few to go round: the choice is left as it falls.
    const size_t candidates = ChoosableCount();
    if (candidates <= shownElsewhere) return ChooseNotAbandoned();
    for (size_t draws = drawsPerCandidate * candidates;; --draws) {
        CSaverEntry* entry = ChooseNotAbandoned();
        if (!entry || draws <= 1 || !ShowsElsewhere(showing, entry->GetName())) return entry;
    }
}

CSaverEntry* CSession::ChooseNotAbandoned()
{
    // In list order each choice moves the position on by one; from any
    // stored position, negative ones too, twice the entries' number of
    // choices pass every place. The draw gives an abandoned entry only at
    // its edges (a draw of exactly 1, weights of 0), so it draws again.
    // An empty collection still makes its one choice (a draw, by weight).
    CCollection& collection = collections.InEffect();
    for (size_t tries = 2 * collection.GetEntries().size();; --tries) {
        CSaverEntry* entry = collection.ChooseNext(random);
        if (!entry || !WasAbandoned(entry->GetName())) return entry;
        if (tries <= 1) return nullptr;
    }
}

bool CSession::ShowsElsewhere(const CShowing& showing, const std::string& name) const
{
    return std::any_of(showings.begin(), showings.end(), [&](const auto& other) {
        return other.get() != &showing && !other->IsEmpty() && !other->IsBlanker() && SameName(other->Name(), name);
    });
}

// The selected entries a choice can give: not abandoned and, at random, of
// some weight.
size_t CSession::ChoosableCount() const
{
    size_t count = 0;
    const CCollection& collection = collections.InEffect();
    for (const auto& [name, entry] : collection.GetEntries())
        if (entry.IsSelected() && (collection.GetCycle() || entry.Weight() > 0) && !WasAbandoned(name)) ++count;
    return count;
}
