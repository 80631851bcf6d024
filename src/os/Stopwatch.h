// Whole milliseconds between laps, from the high-resolution counter.
#pragma once
#include "os/PerformanceCounter.h"

#include <cstdint>

class CStopwatch {
public:
    explicit CStopwatch(IPerformanceCounter& counter);
    virtual ~CStopwatch() = default;

    // Milliseconds since the start or the previous lap; restarts from the
    // reading, so the dropped fraction of a millisecond is lost each time.
    int32_t Lap();

private:
    IPerformanceCounter& counter;
    int64_t ticksPerMillisecond = 0;
    int64_t lastCount = 0;
    bool usesCounter = false;
    int32_t startClock = 0;
};
