// Measures, under Wine in a display of two monitors side by side (bench/run.sh
// makes one), what a session costs that shows one screen saver per monitor,
// each hosted in a black window of the session's:
//  - the time from starting "Tombolix2.scr /s" until every monitor shows its
//    screen saver, against the time until the one screen saver over the
//    desktop shows with SaverPerMonitor off, in the same display; medians
//    of several runs and the median of the runs' own ratios;
//  - the processor time per minute of the session process while its two
//    hosted screen savers run, against the minimal watcher (FloorWatcher)
//    and against the same session with one screen saver over the desktop;
//  - the session's peak working set by the end of that watch, against the
//    minimal watcher's.
// Arguments: [runs] [seconds to watch each running session].
#include "BenchFigures.h"
#include "WinTestSupport.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

using namespace std::chrono;
using wintest::Child;

const char* const saverNames[] = {"BenchLeft", "BenchRight"};
const std::vector<std::string> sessionWords = {"Tombolix2.scr", "/s"};

struct Problem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a session reads when it starts: the two screen savers in turn, from
// the first, one per monitor or, with the option off, one over the desktop.
void PrepareSession(bool perMonitor)
{
    wintest::ClearStoredSettings();
    wintest::SetConfigInt("UseTray", 0);
    if (!perMonitor) wintest::SetConfigInt("SaverPerMonitor", 0);
    wintest::WriteCollectionsFile(std::string("[Default]\r\n") + saverNames[0] + "=2\\15\\1\\0\\\r\n" + saverNames[1] +
                                  "=2\\15\\1\\1\\\r\nTombolixCycle=1\r\n");
}

BOOL CALLBACK NoteVisibleFixture(HWND hwnd, LPARAM found)
{
    char className[32] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpA(className, "TombolixFixture") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// True when each monitor's window of the session holds a visible screen
// saver window. Wine does not draw another process's child window, so the
// window tree tells, not the pixels.
bool EveryMonitorShowsASaver()
{
    int showing = 0;
    for (HWND host = FindWindowExA(nullptr, nullptr, "BrackwenTombolixHost", nullptr); host;
         host = FindWindowExA(nullptr, host, "BrackwenTombolixHost", nullptr)) {
        bool found = false;
        if (IsWindowVisible(host)) EnumChildWindows(host, NoteVisibleFixture, reinterpret_cast<LPARAM>(&found));
        showing += found;
    }
    return showing == GetSystemMetrics(SM_CMONITORS);
}

bool ASaverShowsOverTheDesktop()
{
    HWND window = FindWindowA("TombolixFixture", nullptr);
    return window && IsWindowVisible(window);
}

// Starts a session and waits, looking every millisecond, until it shows what
// it should; the milliseconds that took.
double StartSession(std::unique_ptr<Child>& session, bool perMonitor)
{
    PrepareSession(perMonitor);
    auto begin = steady_clock::now();
    session = std::make_unique<Child>("/s");
    if (!wintest::WaitUntil(perMonitor ? EveryMonitorShowsASaver : ASaverShowsOverTheDesktop, seconds(20),
                            milliseconds(1)))
        throw Problem(perMonitor ? "the session showed no screen saver on every monitor within 20 s"
                                 : "the session showed no screen saver over the desktop within 20 s");
    return duration<double, std::milli>(steady_clock::now() - begin).count();
}

// Ends the screen savers' processes and waits until none of their windows,
// nor the session's monitor windows, are left.
void EndLeftovers(const std::vector<std::string>& saverPaths)
{
    wintest::TerminateProcessesOf(saverPaths);
    wintest::WaitUntil([] {
        return !FindWindowA("TombolixFixture", nullptr) && !FindWindowA("BrackwenTombolixHost", nullptr);
    }, seconds(10));
}

// The process's window of the class, once it has made one; null when it
// makes none within 10 s.
HWND WindowOf(const Child& process, const char* className)
{
    HWND window = nullptr;
    wintest::WaitUntil([&] {
        return (window = wintest::FindWindowOfProcess(process.Id(), className, nullptr)) != nullptr;
    }, seconds(10));
    return window;
}

// Closes the session's window, as the system does, and waits for the process.
void EndSession(std::unique_ptr<Child>& session, const std::vector<std::string>& saverPaths)
{
    if (HWND window = WindowOf(*session, "BrackwenTombolixSession")) PostMessageA(window, WM_CLOSE, 0, 0);
    bool ended = session->WaitForExit(seconds(10));
    session.reset();
    EndLeftovers(saverPaths);
    if (!ended) throw Problem("the session did not end when its window was closed");
}

double PeakWorkingSetMiB(const Child& process)
{
    HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.Id());
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    bool read = handle && GetProcessMemoryInfo(handle, &counters, sizeof counters);
    if (handle) CloseHandle(handle);
    if (!read || counters.PeakWorkingSetSize == 0) throw Problem("no peak working set of a watched process");
    return counters.PeakWorkingSetSize / 1048576.0;
}

struct Watched {
    double cpuPerMinute;
    double peakWorkingSetMiB;
};

// The process's processor time over the watch and its peak working set by
// the end of it. The watch starts once the process has made its own window,
// the last step of its start, and the process must still run at its end, or
// the watch saw something else.
Watched Watch(const Child& process, const char* windowClass, const std::vector<std::string>& words, int watchSeconds,
              const char* what)
{
    if (!WindowOf(process, windowClass)) throw Problem(std::string(what) + " made no window of its own");
    double cpuPerMinute = CpuPerMinuteOver(words, watchSeconds);
    if (cpuPerMinute < 0 || !process.Running()) throw Problem(std::string(what) + " ended during the watch");
    return {cpuPerMinute, PeakWorkingSetMiB(process)};
}

Watched WatchSession(bool perMonitor, int watchSeconds, const std::vector<std::string>& saverPaths)
{
    std::unique_ptr<Child> session;
    StartSession(session, perMonitor);
    Watched watched = Watch(*session, "BrackwenTombolixSession", sessionWords, watchSeconds, "the session");
    EndSession(session, saverPaths);
    return watched;
}

Watched WatchFloorWatcher(int watchSeconds, const std::vector<std::string>& saverPaths)
{
    Child watcher(wintest::ProgramFolder() + "\\FloorWatcher.exe", "\"" + saverPaths[0] + "\"");
    if (!wintest::WaitUntil(ASaverShowsOverTheDesktop, seconds(20)))
        throw Problem("the minimal watcher's screen saver did not show within 20 s");
    Watched watched = Watch(watcher, "FloorWatcher", {"FloorWatcher.exe"}, watchSeconds, "the minimal watcher");
    // It ends by itself once its screen saver has.
    EndLeftovers(saverPaths);
    if (!watcher.WaitForExit(seconds(10))) throw Problem("the minimal watcher did not end with its screen saver");
    return watched;
}

void Measure(int runs, int watchSeconds, const std::vector<std::string>& saverPaths)
{
    std::vector<double> perMonitor, overDesktop, ratios;
    for (int i = 0; i < runs; ++i) {
        std::unique_ptr<Child> session;
        perMonitor.push_back(StartSession(session, true));
        EndSession(session, saverPaths);
        overDesktop.push_back(StartSession(session, false));
        EndSession(session, saverPaths);
        ratios.push_back(perMonitor.back() / overDesktop.back());
    }
    printf("every monitor shows its screen saver (%d monitors, medians of %d runs): one per monitor through Tombolix "
           "%.0f ms, one over the desktop with SaverPerMonitor off %.0f ms; per monitor / over the desktop %.2f "
           "(the median of the runs' ratios)\n",
           GetSystemMetrics(SM_CMONITORS), runs, MedianOf(perMonitor), MedianOf(overDesktop), MedianOf(ratios));
    fflush(stdout);

    Watched hosted = WatchSession(true, watchSeconds, saverPaths);
    Watched single = WatchSession(false, watchSeconds, saverPaths);
    Watched floor = WatchFloorWatcher(watchSeconds, saverPaths);
    printf("processor time per minute while two hosted screen savers run (over %d s, in steps of 10 ms): Tombolix "
           "session %.1f ms, the same with one screen saver over the desktop %.1f ms, minimal watcher %.1f ms; "
           "Tombolix / minimal watcher %s, per monitor / over the desktop %s\n",
           watchSeconds, hosted.cpuPerMinute, single.cpuPerMinute, floor.cpuPerMinute,
           Ratio(hosted.cpuPerMinute, floor.cpuPerMinute).c_str(),
           Ratio(hosted.cpuPerMinute, single.cpuPerMinute).c_str());
    printf("peak working set with two hosted screen savers (by the end of the watch): Tombolix session %.1f MiB, "
           "minimal watcher %.1f MiB (the session with one screen saver over the desktop %.1f MiB); "
           "Tombolix / minimal watcher %s\n",
           hosted.peakWorkingSetMiB, floor.peakWorkingSetMiB, single.peakWorkingSetMiB,
           Ratio(hosted.peakWorkingSetMiB, floor.peakWorkingSetMiB).c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    int watchSeconds = argc > 2 ? std::max(1, atoi(argv[2])) : 60;
    if (GetSystemMetrics(SM_CMONITORS) < 2) {
        fprintf(stderr, "monitor_bench: the display has one monitor; bench/run.sh runs this in one of two\n");
        return 1;
    }

    wintest::Fixtures fixtures;
    std::vector<std::string> saverPaths;
    for (const char* name : saverNames) {
        fixtures.Install(wintest::SystemFolder(), name);
        saverPaths.push_back(wintest::SystemFolder() + "\\" + name + ".scr");
    }
    int status = 0;
    try {
        Measure(runs, watchSeconds, saverPaths);
    } catch (const Problem& problem) {
        fprintf(stderr, "monitor_bench: %s\n", problem.what());
        status = 1;
    }
    wintest::ClearStoredSettings();
    return status;
}
