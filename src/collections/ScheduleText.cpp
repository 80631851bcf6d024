#include "collections/ScheduleText.h"

#include "base/TextPieces.h"

std::string FormatDays(uint8_t days, const WeekNames& week)
{
    if ((days & 0x7F) == 0x7F) return "Every day";
    std::vector<int> places;
    for (int place = 0; place < 7; ++place)
        if (days >> week.DayAt(place) & 1) places.push_back(place);
    if (places.empty()) return "No day";
    const bool oneRun = places.back() - places.front() + 1 == static_cast<int>(places.size());
    if (oneRun && places.size() >= 3)
        return week.days[week.DayAt(places.front())] + "-" + week.days[week.DayAt(places.back())];
    std::string text;
    for (int place : places) text += (text.empty() ? "" : ", ") + week.days[week.DayAt(place)];
    return text;
}

std::string FormatTimeRange(const ScheduleRule& rule)
{
    if (rule.fromMinute == rule.toMinute) return "All day";
    return FormatMinuteOfDay(rule.fromMinute) + "-" + FormatMinuteOfDay(rule.toMinute);
}

std::string DescribeRule(const ScheduleRule& rule, bool collectionPresent, const WeekNames& week)
{
    if (!rule.unreadable.empty()) return "(cannot be read, never holds)\t\t" + rule.unreadable;
    const std::string collection = collectionPresent ? rule.collection : rule.collection + " (missing, skipped)";
    return collection + "\t" + FormatDays(rule.days, week) + "\t" + FormatTimeRange(rule);
}

std::string DescribeInEffect(bool followSchedule, const ScheduledCollection& inEffect, const LocalTime& now,
                             const WeekNames& week)
{
    const std::string chosen = "the collection chosen on the Collections page, " + inEffect.collection + ", is used.";
    if (!followSchedule) return "The schedule is not followed: " + chosen;
    const std::string when =
        "Now (" + week.days[(now.dayOfWeek % 7 + 7) % 7] + " " + FormatMinuteOfDay(now.minuteOfDay) + "): ";
    if (!inEffect.rule) return when + "no rule holds; " + chosen;
    return when + inEffect.collection + ", by rule " + FormatDecimal(static_cast<int32_t>(*inEffect.rule + 1)) + ".";
}

std::string DescribeRulesGone(const std::string& collection, const std::vector<size_t>& rules)
{
    std::string numbers;
    for (size_t i = 0; i < rules.size(); ++i)
        numbers += (i == 0 ? "" : i + 1 == rules.size() ? " and " : ", ") + FormatDecimal(static_cast<int32_t>(rules[i]));
    const bool one = rules.size() == 1;
    return std::string(one ? "Rule " : "Rules ") + numbers + " of the schedule named " + collection +
           (one ? ": it is removed with the collection." : ": they are removed with the collection.");
}
