// How the schedule reads on its page: the days of a rule in the order of the
// user's week, a rule's line, and the collection in effect and why.
#pragma once
#include "collections/Schedule.h"

#include <string>
#include <vector>

// "Every day", a run of three or more as "Mon-Fri", else the days one by
// one ("Sat, Sun"), in the order of the user's week.
std::string FormatDays(uint8_t days, const WeekNames& week);
// "18:00-23:00", "All day".
std::string FormatTimeRange(const ScheduleRule& rule);
// The list's line of a rule: collection, days and time, apart by tabs; a
// collection the file does not hold is marked, and so is a rule that
// could not be read.
std::string DescribeRule(const ScheduleRule& rule, bool collectionPresent, const WeekNames& week);
// One line: which collection is in effect now, and why.
std::string DescribeInEffect(bool followSchedule, const ScheduledCollection& inEffect, const LocalTime& now,
                             const WeekNames& week);
// What the sheet says when a deleted collection takes rules with it; their
// numbers count from 1.
std::string DescribeRulesGone(const std::string& collection, const std::vector<size_t>& rules);
