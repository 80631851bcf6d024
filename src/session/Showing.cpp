#include "session/Showing.h"

namespace {
// The seconds a child has to end after the close request, and again after
// the Home key.
constexpr int ticksPerWait = 12;
}

LaunchOutcome CShowing::Start(const std::string& saverName, CSaverEntry* saverEntry, int64_t now)
{
    Release();
    std::string path;
    LaunchOutcome outcome = host.Launch(saverName, place, process, processId, path);
    if (outcome != LaunchOutcome::Started) return outcome;
    name = saverName;
    entry = saverEntry;
    startTime = now;
    shownItself = false;
    host.Trace("start " + name + " from " + path + (IsHosted() ? " on monitor " + std::to_string(place + 1) : ""));
    return outcome;
}

bool CShowing::HasShownItself()
{
    if (!IsHosted()) return true;
    if (!shownItself) shownItself = host.ShowsScreenSaver(place);
    return shownItself;
}

bool CShowing::BeginEnding(bool forBlanker)
{
    endsForBlanker = forBlanker;
    ticksInStage = 0;
    if (IsHosted()) {
        host.Trace("take the window of " + name + " away");
        host.ClearPlace(place);
        stage = Stage::WindowGone;
        return true;
    }
    if (!window) window = host.FindChildWindow(processId);
    if (!window) return false;
    AskToClose();
    return true;
}

CShowing::Ending CShowing::ContinueEnding()
{
    if (!host.IsStillActive(process)) {
        Release();
        return Ending::Ended;
    }
    ++ticksInStage;
    switch (stage) {
    case Stage::WindowGone:
        // A hosted screen saver that outlived its window may have one of
        // its own to ask.
        window = host.FindChildWindow(processId);
        AskToClose();
        break;
    case Stage::CloseAsked:
        if (ticksInStage >= ticksPerWait) PressHome();
        break;
    case Stage::HomePressed:
        if (ticksInStage >= ticksPerWait) {
            // A child that is still running is left to itself.
            Release();
            return Ending::Abandoned;
        }
        break;
    case Stage::Showing:
        break;
    }
    return Ending::Waiting;
}

void CShowing::AskToClose()
{
    host.Trace("close " + name);
    if (window) host.PostClose(window);
    stage = Stage::CloseAsked;
    ticksInStage = 0;
}

void CShowing::PressHome()
{
    host.Trace("Home key to " + name);
    if (!window) window = host.FindChildWindow(processId);
    if (window) {
        host.PostHomeKey(window, true);
        if (host.IsWindow(window)) host.PostHomeKey(window, false);
    }
    stage = Stage::HomePressed;
    ticksInStage = 0;
}

void CShowing::Release()
{
    if (process) host.CloseProcess(process);
    process = nullptr;
    processId = 0;
    window = 0;
    stage = Stage::Showing;
    ticksInStage = 0;
}
