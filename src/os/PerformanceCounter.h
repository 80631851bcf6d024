// The high-resolution counter and the C library's processor clock.
#pragma once
#include <cstdint>

class IPerformanceCounter {
public:
    virtual ~IPerformanceCounter() = default;
    // Ticks per second; false when there is no high-resolution counter.
    virtual bool QueryFrequency(int64_t& ticksPerSecond) = 0;
    virtual int64_t QueryCounter() = 0;
    // Milliseconds of processor clock, the fallback without a counter.
    virtual int32_t Clock() = 0;
};

// The system's own counter.
IPerformanceCounter& SystemPerformanceCounter();
