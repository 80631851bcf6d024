#include "session/Session.h"

#include "collections/StoredNames.h"

#include <algorithm>

namespace {
constexpr int waitSleeps = 12;
constexpr int sleepMs = 1000;
constexpr int64_t secondsPerMinute = 60;
}

CSession::CSession(ISessionHost& host, CRandom& random, SessionRules rules, std::unique_ptr<CCollection> collection)
    : host(host), random(random), rules(std::move(rules)), collection(std::move(collection))
{
}

CSession::~CSession()
{
    if (childProcess) host.CloseProcess(childProcess);
}

LaunchOutcome CSession::Start(const std::string& name)
{
    std::string path;
    LaunchOutcome outcome = host.Launch(name, childProcess, childProcessId, path);
    if (outcome == LaunchOutcome::Started) {
        childName = name;
        reportedNoWindow = false;
        host.Trace("start " + name + " from " + path);
    }
    return outcome;
}

bool CSession::LaunchNext(bool useBlanker)
{
    bool result = true;
    childProcess = nullptr;
    childProcessId = 0;
    if (useBlanker && !rules.blankerName.empty()) {
        host.Trace("switch to the blanker " + rules.blankerName);
        blankerRunning = true;
        if (WasAbandoned(rules.blankerName)) {
            // Its abandoned copy still runs and covers the screen.
            result = false;
            host.Trace("the blanker " + rules.blankerName + " was abandoned in this session; not started again");
        } else {
            result = Start(rules.blankerName) == LaunchOutcome::Started;
            if (!result) host.Trace("could not start the blanker " + rules.blankerName);
        }
    } else {
        currentEntry = ChooseNotAbandoned();
        if (!currentEntry) {
            result = false;
            host.Trace(collection->GetEntries().empty()
                           ? "nothing to start: no screen saver is selected"
                           : "nothing to start: every screen saver left to choose was abandoned in this session");
        } else {
            const std::string& name = currentEntry->GetName();
            LaunchOutcome outcome = Start(name);
            result = outcome == LaunchOutcome::Started;
            // A screen saver that is surely gone leaves the collection; one
            // that may only be out of reach for now stays.
            if (outcome == LaunchOutcome::NotFound) {
                collection->ForgetEntry(*currentEntry);
                host.Trace("forgot " + name + ": found in no searched folder");
            } else if (!result) {
                host.Trace("could not start " + name + "; kept, as a searched folder is missing or the file would not start");
            }
        }
    }
    if (result) {
        childWindow = 0;
        launchTime = host.Now();
        host.StartTimer();
    }
    return result;
}

void CSession::ReleaseChild()
{
    if (childProcess) host.CloseProcess(childProcess);
    childProcess = nullptr;
    childProcessId = 0;
}

bool CSession::WaitForChildEnd()
{
    bool stillActive = true;
    for (int i = 0; i < waitSleeps && stillActive; ++i) {
        host.Sleep(sleepMs);
        stillActive = host.IsStillActive(childProcess);
    }
    return stillActive;
}

void CSession::EndSession(const std::string& reason)
{
    host.Trace("end: " + reason);
    host.EndSession();
}

void CSession::Tick()
{
    if (childProcessId == 0) return;

    if (!host.IsStillActive(childProcess)) {
        host.StopTimer();
        ReleaseChild();
        EndSession(childName + " ended by itself");
        return;
    }
    if (blankerRunning) return;

    int64_t now = host.Now();
    // Without a blanker name there is nothing to switch to: the rotation
    // goes on rather than interrupting every screen saver at once.
    bool switchToBlanker = rules.useBlanker && !rules.blankerName.empty() &&
                           now - rules.startTime > rules.blankerMinutes * secondsPerMinute;
    if (rules.passwordInUse || rules.passwordOverride) return;
    if (!switchToBlanker && now - launchTime < currentEntry->GetDuration() * secondsPerMinute) return;

    host.StopTimer();
    if (!childWindow) childWindow = host.FindChildWindow(childProcessId);
    if (!childWindow) {
        // Nothing to ask to close: keep watching, so that the child's own
        // end still ends the session.
        if (!reportedNoWindow) host.Trace("no window of " + childName + " to close; watching it until it ends");
        reportedNoWindow = true;
        host.StartTimer();
        return;
    }
    Interrupt();
    if (!LaunchNext(switchToBlanker)) EndSession("nothing more could be started");
}

void CSession::Interrupt()
{
    host.Trace("close " + childName);
    host.PostClose(childWindow);
    if (WaitForChildEnd()) {
        host.Trace("Home key to " + childName);
        host.PostHomeKey(childWindow, true);
        if (host.IsWindow(childWindow)) host.PostHomeKey(childWindow, false);
        // A child that is still running is left to itself, never terminated.
        if (WaitForChildEnd()) Abandon();
    }
    ReleaseChild();
}

void CSession::Abandon()
{
    host.Trace("abandoned " + childName + ": it still runs; not started again in this session");
    abandoned.push_back(childName);
    // The draw by weight leaves it out of its total. In list order it keeps
    // its place, which the position passes over: taking it out there would
    // hand its turn to the last entry instead.
    if (!collection->GetCycle()) collection->WithdrawFromDraw(childName);
}

bool CSession::WasAbandoned(const std::string& name) const
{
    return std::any_of(abandoned.begin(), abandoned.end(),
                       [&](const std::string& gone) { return SameName(gone, name); });
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
