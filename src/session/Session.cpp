#include "session/Session.h"

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

bool CSession::LaunchNext(bool useBlanker)
{
    bool result = true;
    childProcess = nullptr;
    childProcessId = 0;
    if (useBlanker && !rules.blankerName.empty()) {
        result = host.Launch(rules.blankerName, childProcess, childProcessId);
        blankerRunning = true;
    } else {
        currentEntry = collection->ChooseNext(random);
        if (!currentEntry) {
            result = false;
        } else {
            result = host.Launch(currentEntry->GetName(), childProcess, childProcessId);
            // A screen saver that can no longer be started leaves the collection.
            if (!result) collection->ForgetEntry(*currentEntry);
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

void CSession::Tick()
{
    if (childProcessId == 0) return;

    if (!host.IsStillActive(childProcess)) {
        host.StopTimer();
        ReleaseChild();
        host.EndSession();
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
        host.StartTimer();
        return;
    }

    host.PostClose(childWindow);
    if (WaitForChildEnd()) {
        host.PostHomeKey(childWindow, true);
        if (host.IsWindow(childWindow)) host.PostHomeKey(childWindow, false);
        WaitForChildEnd();
    }
    // A child that is still running is left to itself, never terminated.
    ReleaseChild();

    if (!LaunchNext(switchToBlanker)) host.EndSession();
}
