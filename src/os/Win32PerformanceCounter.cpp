#include "os/PerformanceCounter.h"

#include <windows.h>
#include <ctime>

namespace {
class CWin32PerformanceCounter : public IPerformanceCounter {
public:
    bool QueryFrequency(int64_t& ticksPerSecond) override
    {
        LARGE_INTEGER frequency;
        if (!QueryPerformanceFrequency(&frequency)) return false;
        ticksPerSecond = frequency.QuadPart;
        return true;
    }
    int64_t QueryCounter() override
    {
        LARGE_INTEGER count;
        QueryPerformanceCounter(&count);
        return count.QuadPart;
    }
    int32_t Clock() override { return static_cast<int32_t>(clock()); }
};
}  // namespace

IPerformanceCounter& SystemPerformanceCounter()
{
    static CWin32PerformanceCounter counter;
    return counter;
}
