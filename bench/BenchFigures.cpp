#include "BenchFigures.h"

#include "WinTestSupport.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <thread>

double MedianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string Ratio(double value, double floor)
{
    char text[32];
    if (floor <= 0) return "n/a (floor below the 10 ms step)";
    snprintf(text, sizeof text, "%.2f", value / floor);
    return text;
}

// Wine does not report other processes' times, but every Windows process is
// a Linux process: read the user and system time, from /proc through Z:, of
// the process whose command line holds every one of the words.
double CpuMillisecondsOf(const std::vector<std::string>& words)
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
        bool matches = true;
        for (const std::string& word : words) matches = matches && commandLine.find(word) != std::string::npos;
        if (!matches) continue;
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

double CpuPerMinuteOver(const std::vector<std::string>& words, int watchSeconds)
{
    double before = CpuMillisecondsOf(words);
    std::this_thread::sleep_for(std::chrono::seconds(watchSeconds));
    double after = CpuMillisecondsOf(words);
    if (before < 0 || after < 0) return -1;
    return (after - before) * 60.0 / watchSeconds;
}
