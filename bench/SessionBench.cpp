// Measures, under Wine, what a session costs against the floor a user would
// otherwise have:
//  - the time from starting "Tombolix2.scr /s" until the first screen
//    saver's window shows, against a minimal launcher that only starts the
//    same screen saver and waits for it to become idle, the same launcher
//    with the one hidden window a session must have, and starting the
//    screen saver directly, medians over several runs; the session with
//    SaverPerMonitor on (as stored by default) and off, which in this
//    display of one monitor both show one screen saver over the desktop;
//  - the processor time the session process uses per minute while its
//    screen saver runs, against a minimal window process whose one-second
//    timer checks the child's exit code.
// Arguments: [runs] [seconds to watch each running screen saver]; 0 seconds
// measures only the starts.
// Run it with a window manager in the display (bench/run.sh starts one):
// without one, Wine waits about 2 s whenever a visible window hides, and the
// session hides its own window before its first screen saver.
#include "BenchFigures.h"
#include "WinTestSupport.h"

#include <functional>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace std::chrono;
using wintest::Child;

const char* const saverName = "BenchSaver";

// Milliseconds from the start until a fixture window is visible, looked
// for every millisecond: the tests' steps of 50 ms would hide what is
// measured.
double TimeToSaverWindow(const std::function<void()>& start)
{
    auto begin = steady_clock::now();
    start();
    wintest::WaitUntil([] {
        HWND window = FindWindowA("TombolixFixture", nullptr);
        return window && IsWindowVisible(window);
    }, seconds(20), milliseconds(1));
    return duration<double, std::milli>(steady_clock::now() - begin).count();
}

void EndEverything()
{
    if (HWND session = FindWindowA(nullptr, "Tombolix2")) PostMessageA(session, WM_CLOSE, 0, 0);
    wintest::Fixtures::CloseAllWindows();
    wintest::WaitUntil([] { return !FindWindowA("TombolixFixture", nullptr) && !FindWindowA(nullptr, "Tombolix2"); },
                       seconds(10));
}

// Starts a program of the bench's folder with the screen saver's path; the
// handles are not kept.
void StartFloor(const char* program, const std::string& saverPath, const char* option = "")
{
    std::string path = wintest::ProgramFolder() + "\\" + program;
    std::string commandLine = "\"" + path + "\" \"" + saverPath + "\" " + option;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

// Processor time per minute of the watching process while the screen saver runs.
double CpuPerMinute(const std::function<void()>& start, const std::vector<std::string>& words, int watchSeconds)
{
    start();
    wintest::WaitUntil([] { return FindWindowA("TombolixFixture", nullptr) != nullptr; }, seconds(20));
    double perMinute = CpuPerMinuteOver(words, watchSeconds);
    EndEverything();
    return perMinute;
}

// A session's start with SaverPerMonitor as given, which in a display of
// one monitor shows one screen saver over the desktop either way.
double TimeToSessionSaver(bool saverPerMonitor)
{
    wintest::SetConfigInt("SaverPerMonitor", saverPerMonitor ? 1 : 0);
    std::unique_ptr<Child> session;
    double milliseconds = TimeToSaverWindow([&] { session = std::make_unique<Child>("/s"); });
    EndEverything();
    wintest::SetConfigInt("SaverPerMonitor", 1);
    return milliseconds;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? atoi(argv[1]) : 5;
    int watchSeconds = argc > 2 ? atoi(argv[2]) : 60;

    wintest::ClearStoredSettings();
    wintest::SetConfigInt("UseTray", 0);
    wintest::Fixtures fixtures;
    fixtures.Install(wintest::SystemFolder(), saverName);
    wintest::WriteCollectionsFile("[Default]\r\nBenchSaver=2\\15\\1\\0\\\r\n");
    const std::string saverPath = wintest::SystemFolder() + "\\" + saverName + ".scr";

    std::vector<double> throughSession, throughSessionOptionOff, throughLauncher, throughWindowLauncher, direct, ratios;
    for (int i = 0; i < runs; ++i) {
        throughSession.push_back(TimeToSessionSaver(true));
        throughSessionOptionOff.push_back(TimeToSessionSaver(false));
        throughLauncher.push_back(TimeToSaverWindow([&] { StartFloor("FloorLauncher.exe", saverPath); }));
        EndEverything();
        ratios.push_back(throughSession.back() / throughLauncher.back());
        throughWindowLauncher.push_back(
            TimeToSaverWindow([&] { StartFloor("FloorLauncher.exe", saverPath, "/window"); }));
        EndEverything();
        direct.push_back(TimeToSaverWindow([&] {
            std::string commandLine = "\"" + saverPath + "\" /s";
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info{};
            CreateProcessA(saverPath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }));
        EndEverything();
    }
    double sessionMs = MedianOf(throughSession), optionOffMs = MedianOf(throughSessionOptionOff), launcherMs = MedianOf(throughLauncher),
           windowLauncherMs = MedianOf(throughWindowLauncher), directMs = MedianOf(direct);
    printf("first screen saver shown (medians of %d runs): through Tombolix %.0f ms, through a minimal launcher "
           "%.0f ms, through the launcher with a hidden window %.0f ms, started directly %.0f ms\n",
           runs, sessionMs, launcherMs, windowLauncherMs, directMs);
    printf("  Tombolix / minimal launcher: %s (the median of the runs' ratios %.2f); Tombolix / launcher with a "
           "window: %s\n",
           Ratio(sessionMs, launcherMs).c_str(), MedianOf(ratios), Ratio(sessionMs, windowLauncherMs).c_str());
    printf("  with SaverPerMonitor off: through Tombolix %.0f ms, %s the minimal launcher\n", optionOffMs,
           Ratio(optionOffMs, launcherMs).c_str());
    if (watchSeconds <= 0) {
        wintest::ClearStoredSettings();
        return 0;
    }

    std::unique_ptr<Child> session;
    double sessionCpu = CpuPerMinute([&] { session = std::make_unique<Child>("/s"); }, {"Tombolix2.scr", "/s"},
                                     watchSeconds);
    session.reset();
    double watcherCpu = CpuPerMinute([&] { StartFloor("FloorWatcher.exe", saverPath); }, {"FloorWatcher.exe"},
                                     watchSeconds);
    printf("processor time per minute while the screen saver runs (over %d s, in steps of 10 ms): "
           "Tombolix session %.1f ms, minimal watcher %.1f ms\n", watchSeconds, sessionCpu, watcherCpu);
    printf("  Tombolix / minimal watcher: %s\n", Ratio(sessionCpu, watcherCpu).c_str());
    wintest::ClearStoredSettings();
    return 0;
}
