// Measures, under Wine, what a session costs:
//  - the time from starting "Tombolix2.scr /s" until the first screen
//    saver's window shows, against starting that screen saver directly,
//    as a ratio over several runs;
//  - the processor time the session process uses per minute while its
//    screen saver runs.
// Arguments: [runs] [seconds to watch the running session].
// Under Xvfb without a window manager, Wine waits about 2 s whenever a
// visible window is hidden or destroyed; the session hides its own window
// before it starts the first screen saver, so that wait is in the ratio.
#include "WinTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono;
using wintest::Child;

const char* const saverName = "BenchSaver";

double MedianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the start until a fixture window is visible.
double TimeToSaverWindow(const std::function<void()>& start)
{
    auto begin = steady_clock::now();
    start();
    wintest::WaitUntil([] {
        HWND window = FindWindowA("TombolixFixture", nullptr);
        return window && IsWindowVisible(window);
    }, seconds(20));
    return duration<double, std::milli>(steady_clock::now() - begin).count();
}

void EndEverything()
{
    if (HWND session = FindWindowA(nullptr, "Tombolix2")) PostMessageA(session, WM_CLOSE, 0, 0);
    wintest::Fixtures::CloseAllWindows();
    wintest::WaitUntil([] { return !FindWindowA("TombolixFixture", nullptr) && !FindWindowA(nullptr, "Tombolix2"); },
                       seconds(10));
}

// Wine does not report other processes' times, but every Windows process is
// a Linux process: read its user and system time from /proc through Z:.
double CpuMillisecondsOfSession()
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    double milliseconds = -1;
    if (search == INVALID_HANDLE_VALUE) return milliseconds;
    do {
        std::string folder = std::string("Z:\\proc\\") + entry.cFileName;
        if (!isdigit(static_cast<unsigned char>(entry.cFileName[0]))) continue;
        std::string commandLine = wintest::ReadFileBytes(folder + "\\cmdline");
        for (char& c : commandLine) if (c == '\0') c = ' ';
        if (commandLine.find("Tombolix2.scr") == std::string::npos || commandLine.find("/s") == std::string::npos)
            continue;
        std::string stat = wintest::ReadFileBytes(folder + "\\stat");
        // Fields 14 and 15, after the parenthesised command name, in clock ticks of 10 ms.
        size_t at = stat.rfind(')');
        unsigned long long user = 0, system = 0;
        if (at != std::string::npos &&
            sscanf(stat.c_str() + at + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user, &system) == 2)
            milliseconds = (user + system) * 10.0;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
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

    std::vector<double> throughSession, direct;
    for (int i = 0; i < runs; ++i) {
        {
            std::unique_ptr<Child> session;
            throughSession.push_back(TimeToSaverWindow([&] { session = std::make_unique<Child>("/s"); }));
            EndEverything();
        }
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
    double sessionMs = MedianOf(throughSession), directMs = MedianOf(direct);
    printf("first screen saver shown: through Tombolix %.0f ms, directly %.0f ms (medians of %d), ratio %.2f\n",
           sessionMs, directMs, runs, sessionMs / directMs);

    {
        Child session("/s");
        wintest::WaitUntil([] { return FindWindowA("TombolixFixture", nullptr) != nullptr; }, seconds(20));
        double before = CpuMillisecondsOfSession();
        std::this_thread::sleep_for(seconds(watchSeconds));
        double used = CpuMillisecondsOfSession() - before;
        printf("session process while its screen saver runs: %.1f ms of processor time per minute "
               "(over %d s, measured in steps of 10 ms)\n",
               used * 60.0 / watchSeconds, watchSeconds);
    }
    EndEverything();
    wintest::ClearStoredSettings();
    return 0;
}
