#include "session/Playlist.h"

namespace {
constexpr int64_t turnMs = 8000;
// The longest a tick spends looking for a screen saver that starts.
constexpr int64_t roundMs = 150;
}  // namespace

CPlaylist::CPlaylist(IHosting& host, std::vector<std::string> names)
    : host(host), names(std::move(names)), cannotPreview(this->names.size(), false), showing(host, thePreview)
{
}

void CPlaylist::Tick()
{
    const int64_t now = host.Now();
    switch (showing.GetStage()) {
    case CShowing::Stage::Empty:
        break;
    case CShowing::Stage::Starting:
        if (showing.CheckArrival() != CShowing::Arrival::NotShown) return;
        // One that opened a window of its own over the screen goes at once.
        host.Trace(showing.Name() + " cannot preview");
        cannotPreview[current] = true;
        showing.EndNow();
        return;
    case CShowing::Stage::Showing:
        if (!showing.IsRunning()) {
            notBefore = now - showing.Age(now) + turnMs;
            showing.Release();
        } else if (showing.Age(now) >= turnMs && PlayableCount() > 1) {
            showing.BeginEnding(false);
        }
        return;
    default:
        if (showing.ContinueEnding() == CShowing::Ending::Waiting) return;
        notBefore = now;
    }
    if (now >= notBefore) StartNext(now);
}

void CPlaylist::Replay()
{
    if (showing.IsEmpty()) return;
    next = current;
    notBefore = 0;
    showing.EndNow();
}

void CPlaylist::StartNext(int64_t now)
{
    for (size_t tries = 0; tries < names.size() && host.Now() - now < roundMs; ++tries) {
        const size_t index = next++ % names.size();
        if (cannotPreview[index]) continue;
        if (showing.Start(names[index], nullptr) == LaunchOutcome::Started) {
            current = index;
            return;
        }
        cannotPreview[index] = true;
    }
}

size_t CPlaylist::PlayableCount() const
{
    size_t count = 0;
    for (bool cannot : cannotPreview) count += cannot ? 0 : 1;
    return count;
}
