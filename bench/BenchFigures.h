// What the benches share: medians, ratios against a floor, and the
// processor time another process uses while the bench watches it.
#pragma once
#include <string>
#include <vector>

// The middle value; 0 for none.
double MedianOf(std::vector<double> values);

// value / floor to two decimals; processor times come in steps of 10 ms,
// so a floor of 0 gives no ratio.
std::string Ratio(double value, double floor);

// Milliseconds of processor time so far of the process whose command line
// holds every one of the words; -1 when there is none.
double CpuMillisecondsOf(const std::vector<std::string>& words);

// Processor time per minute of that process over the next watchSeconds;
// negative when it was not there at both ends.
double CpuPerMinuteOver(const std::vector<std::string>& words, int watchSeconds);
