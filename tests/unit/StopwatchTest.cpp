#include "os/Stopwatch.h"

#include <gtest/gtest.h>

namespace {

// A counter of 10 MHz that the test moves by hand.
struct FakeCounter : IPerformanceCounter {
    bool available = true;
    int64_t frequency = 10000000;
    int64_t count = 123456789;
    int32_t clockMs = 0;
    bool QueryFrequency(int64_t& ticksPerSecond) override
    {
        ticksPerSecond = frequency;
        return available;
    }
    int64_t QueryCounter() override { return count; }
    int32_t Clock() override { return clockMs; }
};

TEST(Stopwatch, DropsTheFractionOfAMillisecondAtEveryLap)
{
    FakeCounter counter;
    CStopwatch stopwatch(counter);
    counter.count += 9999;          // 0.9999 ms
    EXPECT_EQ(0, stopwatch.Lap());
    counter.count += 16000;         // 1.6 ms
    EXPECT_EQ(1, stopwatch.Lap());
    counter.count += 16000;
    EXPECT_EQ(1, stopwatch.Lap());
    counter.count += 30000000;      // 3 s
    EXPECT_EQ(3000, stopwatch.Lap());
}

TEST(Stopwatch, ACounterOfOneThousandHertzCountsMilliseconds)
{
    FakeCounter counter;
    counter.frequency = 1000;
    CStopwatch stopwatch(counter);
    counter.count += 5;
    counter.clockMs += 70;
    EXPECT_EQ(5, stopwatch.Lap());
}

TEST(Stopwatch, FallsBackToTheProcessorClock)
{
    FakeCounter counter;
    counter.available = false;
    counter.clockMs = 500;
    CStopwatch stopwatch(counter);
    counter.clockMs = 1700;
    EXPECT_EQ(1200, stopwatch.Lap());
    EXPECT_EQ(0, stopwatch.Lap());

    // A counter slower than a millisecond cannot divide into milliseconds.
    FakeCounter slow;
    slow.frequency = 999;
    CStopwatch coarse(slow);
    slow.clockMs = 40;
    EXPECT_EQ(40, coarse.Lap());
}

}  // namespace
