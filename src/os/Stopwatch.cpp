#include "os/Stopwatch.h"

CStopwatch::CStopwatch(IPerformanceCounter& counter) : counter(counter)
{
    int64_t frequency = 0;
    usesCounter = counter.QueryFrequency(frequency) && frequency >= 1000;
    if (usesCounter) {
        ticksPerMillisecond = frequency / 1000;
        lastCount = counter.QueryCounter();
    } else {
        startClock = counter.Clock();
    }
}

int32_t CStopwatch::Lap()
{
    if (usesCounter) {
        int64_t now = counter.QueryCounter();
        int64_t elapsed = (now - lastCount) / ticksPerMillisecond;
        lastCount = now;
        return static_cast<int32_t>(elapsed);
    }
    int32_t now = counter.Clock();
    int32_t elapsed = now - startClock;
    startClock = now;
    return elapsed;
}
