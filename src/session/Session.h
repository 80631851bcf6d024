// The screen-saving session: starts the chosen screen saver, watches it once
// a second, interrupts it when its time is up and starts the next, hands
// over to the blanker after its period, and ends when the child ends.
#pragma once
#include "collections/Collection.h"
#include "session/SessionHost.h"

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
};

class CSession {
public:
    CSession(ISessionHost& host, CRandom& random, SessionRules rules, std::unique_ptr<CCollection> collection);
    ~CSession();
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // Starts the blanker, or the collection's next choice; false when
    // nothing was started.
    bool LaunchNext(bool useBlanker);
    // The once-a-second check.
    void Tick();

private:
    // One attempt at starting the named screen saver as the child.
    LaunchOutcome Start(const std::string& name);
    // Asks the child to close, then presses Home; lets it be if it stays.
    void Interrupt();
    // The child ignored both requests and runs on: it is not started again
    // in this session, or a copy of it would pile up at each of its turns.
    void Abandon();
    bool WasAbandoned(const std::string& name) const;
    // The collection's next choice that was not abandoned; none when the
    // choice gives abandoned ones only, or nothing at all.
    CSaverEntry* ChooseNotAbandoned();
    void EndSession(const std::string& reason);
    // Up to 12 one-second sleeps; true when the child still runs after them.
    bool WaitForChildEnd();
    void ReleaseChild();

    ISessionHost& host;
    CRandom& random;
    SessionRules rules;
    std::unique_ptr<CCollection> collection;

    ISessionHost::ChildProcess childProcess = nullptr;
    uint32_t childProcessId = 0;
    ISessionHost::ChildWindow childWindow = 0;
    std::string childName;
    bool reportedNoWindow = false;
    int64_t launchTime = 0;
    CSaverEntry* currentEntry = nullptr;
    bool blankerRunning = false;
    std::vector<std::string> abandoned;
};
