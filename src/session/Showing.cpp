#include "session/Showing.h"

#include "collections/SaverEntry.h"

namespace {
// A screen saver started in our window shows its own in it well within
// this; one that has not by then cannot preview.
constexpr int64_t showItselfMs = 3000;
// Over the desktop: how long a child has to end after the close request,
// and again after the Home key.
constexpr int64_t desktopWaitMs = 12000;
// Hosted: how long a child has to close, and to be gone once ended.
constexpr int64_t hostedWaitMs = 2000;

int64_t WholeSeconds(int64_t ms) { return ms / 1000; }
}  // namespace

CShowing::~CShowing() = default;

LaunchOutcome CShowing::Start(const std::string& saverName, CSaverEntry* saverEntry)
{
    Release();
    Launched launched = host.Launch(saverName, place);
    if (launched.outcome != LaunchOutcome::Started) return launched.outcome;
    child = std::move(launched.child);
    name = saverName;
    entry = saverEntry;
    startedAt = host.Now();
    reportedNoWindow = false;
    stage = IsHosted() ? Stage::Starting : Stage::Showing;
    if (place == thePreview) host.Trace("start " + name + " from " + launched.path + " in the preview");
    else if (IsHosted()) host.Trace("start " + name + " from " + launched.path + " on monitor " + std::to_string(place + 1));
    else host.Trace("start " + name + " from " + launched.path);
    return LaunchOutcome::Started;
}

CShowing::Arrival CShowing::CheckArrival()
{
    if (stage != Stage::Starting) return stage == Stage::Empty ? Arrival::NotShown : Arrival::Shown;
    if (child->HasShownItself()) {
        stage = Stage::Showing;
        return Arrival::Shown;
    }
    if (child->IsRunning() && Age(host.Now()) < showItselfMs) return Arrival::Waiting;
    return Arrival::NotShown;
}

bool CShowing::TurnOver(int64_t now) const
{
    return entry && WholeSeconds(now) - WholeSeconds(startedAt) >= int64_t{entry->GetDuration()} * 60;
}

bool CShowing::BeginEnding(bool forBlanker)
{
    endsForBlanker = forBlanker;
    if (IsHosted()) {
        host.Trace("take the window of " + name + " away");
        child->TakeWindowAway();
        child->AskToClose();
        Enter(Stage::Closing, hostedWaitMs);
        return true;
    }
    if (!child->AskToClose()) {
        if (!reportedNoWindow) host.Trace("no window of " + name + " to close; watching it until it ends");
        reportedNoWindow = true;
        return false;
    }
    host.Trace("close " + name);
    Enter(Stage::Closing, desktopWaitMs);
    return true;
}

CShowing::Ending CShowing::ContinueEnding()
{
    if (!child->IsRunning()) {
        Release();
        return Ending::Ended;
    }
    if (!DeadlinePassed()) return Ending::Waiting;
    switch (stage) {
    case Stage::Closing:
        if (IsHosted()) {
            host.Trace("end " + name + ": it did not close");
            EndNow();
        } else {
            PressHome();
        }
        return Ending::Waiting;
    case Stage::HomePressed:
    case Stage::Ending:
        // Over the desktop a child that is still running is left to itself;
        // a hosted one that outlived its end by force is let go as well,
        // and its stage ends it once more as it goes.
        Release();
        return Ending::Abandoned;
    default:
        return Ending::Waiting;
    }
}

void CShowing::EndNow()
{
    if (IsEmpty() || !IsHosted()) return;
    child->End();
    Enter(Stage::Ending, hostedWaitMs);
}

void CShowing::PressHome()
{
    host.Trace("Home key to " + name);
    child->PressHome();
    Enter(Stage::HomePressed, desktopWaitMs);
}

void CShowing::Enter(Stage next, int64_t waitMs)
{
    stage = next;
    deadline = host.Now() + waitMs;
}

void CShowing::Release()
{
    child.reset();
    stage = Stage::Empty;
}
