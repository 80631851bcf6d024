#include "session/Session.h"

#include "collections/StoredNames.h"

#include <algorithm>

namespace {
constexpr int64_t secondsPerMinute = 60;
// A screen saver started in our window shows its own in it well within
// this; one that has not by then cannot preview.
constexpr int64_t secondsToShowItself = 3;
// Draws at random before a screen saver showing elsewhere is taken after all.
constexpr size_t drawsPerCandidate = 64;

std::string MonitorNumber(const CShowing& showing)
{
    return std::to_string(showing.Where() + 1);
}
}  // namespace

CSession::CSession(ISessionHost& host, CRandom& random, SessionRules rules, std::unique_ptr<CCollection> collection)
    : host(host), random(random), rules(std::move(rules)), collection(std::move(collection))
{
}

CSession::~CSession() = default;

bool CSession::Begin()
{
    // The desktop password wants the one screen saver that asks for it.
    bool perMonitor = rules.monitors >= 2 && rules.saverPerMonitor && !rules.passwordInUse && !rules.passwordOverride;
    if (showings.empty()) {
        for (int place = 0; place < (perMonitor ? rules.monitors : 1); ++place)
            showings.push_back(std::make_unique<CShowing>(host, perMonitor ? place : wholeDesktop));
    }
    // In list order the monitors take consecutive entries.
    bool any = false;
    for (auto& showing : showings)
        if (showing->IsEmpty()) any = LaunchInto(*showing, false) || any;
    if (any) host.StartTimer();
    return any;
}

void CSession::Tick()
{
    if (showings.empty()) return;
    if (!showings[0]->IsHosted()) {
        TickDesktop(*showings[0]);
        return;
    }
    const bool blankerDue = BlankerDue(host.Now());
    for (auto& showing : showings) TickMonitor(*showing, blankerDue);
    bool allEmpty = std::all_of(showings.begin(), showings.end(), [](const auto& s) { return s->IsEmpty(); });
    if (!allEmpty) return;
    if (fallingBack) FinishFallBack();
    else EndSession("nothing more could be started");
}

void CSession::TickDesktop(CShowing& showing)
{
    if (showing.IsEmpty()) return;
    if (showing.IsEnding()) {
        CShowing::Ending ending = showing.ContinueEnding();
        if (ending != CShowing::Ending::Waiting) FollowEnding(showing, ending);
        return;
    }
    if (!showing.IsStillActive()) {
        std::string name = showing.Name();
        showing.Release();
        EndSession(name + " ended by itself");
        return;
    }
    if (!showing.Entry()) return;   // the blanker is never interrupted

    int64_t now = host.Now();
    // Without a blanker name there is nothing to switch to: the rotation
    // goes on rather than interrupting every screen saver at once.
    bool switchToBlanker = BlankerDue(now);
    if (rules.passwordInUse || rules.passwordOverride) return;
    if (!switchToBlanker && !DurationOver(showing, now)) return;
    if (!showing.BeginEnding(switchToBlanker)) {
        // Nothing to ask to close: keep watching, so that the child's own
        // end still ends the session.
        if (!reportedNoWindow) host.Trace("no window of " + showing.Name() + " to close; watching it until it ends");
        reportedNoWindow = true;
        return;
    }
}

void CSession::TickMonitor(CShowing& showing, bool blankerDue)
{
    if (showing.IsEmpty()) return;
    if (showing.IsEnding()) {
        CShowing::Ending ending = showing.ContinueEnding();
        if (ending != CShowing::Ending::Waiting) FollowEnding(showing, ending);
        return;
    }
    if (fallingBack) return;
    if (!showing.HasShownItself()) {
        if (host.Now() - showing.StartTime() < secondsToShowItself && showing.IsStillActive()) return;
        FallBack(showing);
        return;
    }
    if (!showing.IsStillActive()) {
        host.Trace(showing.Name() + " ended by itself on monitor " + MonitorNumber(showing));
        showing.Release();
        LaunchInto(showing, blankerDue);
        return;
    }
    if (!showing.Entry()) return;
    if (!blankerDue && !DurationOver(showing, host.Now())) return;
    showing.BeginEnding(blankerDue);
}

void CSession::FollowEnding(CShowing& showing, CShowing::Ending ending)
{
    if (ending == CShowing::Ending::Abandoned) Abandon(showing.Name());
    if (fallingBack) return;
    if (!LaunchInto(showing, showing.EndsForBlanker()) && !showing.IsHosted()) EndSession("nothing more could be started");
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
    bool started = showing.Start(rules.blankerName, nullptr, host.Now()) == LaunchOutcome::Started;
    if (!started) host.Trace("could not start the blanker " + rules.blankerName);
    return started;
}

bool CSession::LaunchChoice(CShowing& showing)
{
    CSaverEntry* entry = ChooseFor(showing);
    if (!entry) {
        host.Trace(collection->GetEntries().empty()
                       ? "nothing to start: no screen saver is selected"
                       : "nothing to start: every screen saver left to choose was abandoned in this session");
        return false;
    }
    const std::string name = entry->GetName();
    LaunchOutcome outcome = showing.Start(name, entry, host.Now());
    // A screen saver that is surely gone leaves the collection; one that may
    // only be out of reach for now stays.
    if (outcome == LaunchOutcome::NotFound) {
        collection->ForgetEntry(*entry);
        host.Trace("forgot " + name + ": found in no searched folder");
    } else if (outcome != LaunchOutcome::Started) {
        host.Trace("could not start " + name + "; kept, as a searched folder is missing or the file would not start");
    }
    return outcome == LaunchOutcome::Started;
}

void CSession::FallBack(CShowing& failed)
{
    host.Trace(failed.Name() + " showed nothing in our window on monitor " + MonitorNumber(failed) +
               "; one screen saver over the whole desktop from now on");
    fallingBack = true;
    fallBackName = failed.Name();
    fallBackEntry = failed.Entry();
    for (auto& showing : showings) {
        if (showing->IsEmpty() || showing->IsEnding()) continue;
        if (showing->IsStillActive()) showing->BeginEnding(false);
        else showing->Release();
    }
}

void CSession::FinishFallBack()
{
    fallingBack = false;
    host.LeaveMonitors();
    showings.clear();
    showings.push_back(std::make_unique<CShowing>(host, wholeDesktop));
    CShowing& desktop = *showings[0];
    bool started;
    if (WasAbandoned(fallBackName)) started = LaunchInto(desktop, !fallBackEntry);
    else started = desktop.Start(fallBackName, fallBackEntry, host.Now()) == LaunchOutcome::Started;
    if (!started) EndSession("nothing more could be started");
}

bool CSession::BlankerDue(int64_t now) const
{
    return rules.useBlanker && !rules.blankerName.empty() &&
           now - rules.startTime > rules.blankerMinutes * secondsPerMinute;
}

bool CSession::DurationOver(const CShowing& showing, int64_t now) const
{
    return now - showing.StartTime() >= showing.Entry()->GetDuration() * secondsPerMinute;
}

void CSession::EndSession(const std::string& reason)
{
    host.StopTimer();
    host.Trace("end: " + reason);
    host.EndSession();
}

void CSession::Abandon(const std::string& name)
{
    host.Trace("abandoned " + name + ": it still runs; not started again in this session");
    abandoned.push_back(name);
    // The draw by weight leaves it out of its total. In list order it keeps
    // its place, which the position passes over: taking it out there would
    // hand its turn to the last entry instead.
    if (!collection->GetCycle()) collection->WithdrawFromDraw(name);
}

bool CSession::WasAbandoned(const std::string& name) const
{
    return std::any_of(abandoned.begin(), abandoned.end(),
                       [&](const std::string& gone) { return SameName(gone, name); });
}

CSaverEntry* CSession::ChooseFor(const CShowing& showing)
{
    if (collection->GetCycle() || !showing.IsHosted()) return ChooseNotAbandoned();
    size_t shownElsewhere = 0;
    for (const auto& other : showings)
        if (other.get() != &showing && !other->IsEmpty() && other->Entry()) ++shownElsewhere;
    // Too few to go round: the draw is left as it falls.
    const size_t candidates = DrawableCount();
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
    for (size_t tries = 2 * collection->GetEntries().size();; --tries) {
        CSaverEntry* entry = collection->ChooseNext(random);
        if (!entry || !WasAbandoned(entry->GetName())) return entry;
        if (tries <= 1) return nullptr;
    }
}

bool CSession::ShowsElsewhere(const CShowing& showing, const std::string& name) const
{
    return std::any_of(showings.begin(), showings.end(), [&](const auto& other) {
        return other.get() != &showing && !other->IsEmpty() && SameName(other->Name(), name);
    });
}

// The selected entries the draw can give: not abandoned, of some weight.
size_t CSession::DrawableCount() const
{
    size_t count = 0;
    for (const auto& [name, entry] : collection->GetEntries())
        if (entry.IsSelected() && entry.Weight() > 0 && !WasAbandoned(name)) ++count;
    return count;
}
