// Collections that follow the clock: rules, each "this collection on these
// days of the week, from this time of day to that one", stored in the
// collections file's internal section beside the folders. The first rule in
// list order that holds now picks the collection; when none does, the
// current collection is used.
#pragma once
#include "collections/LocalClock.h"
#include "os/ProfileFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct ScheduleRule {
    ScheduleRule() = default;
    ScheduleRule(std::string collection, uint8_t days, int fromMinute, int toMinute)
        : collection(std::move(collection)), days(days), fromMinute(fromMinute), toMinute(toMinute)
    {
    }
    // A stored value of no rule's form, kept.
    static ScheduleRule Unreadable(std::string value)
    {
        ScheduleRule rule("", 0, 0, 0);
        rule.unreadable = std::move(value);
        return rule;
    }

    std::string collection;
    // Bit d for the day d: the days on which the range starts.
    uint8_t days = 0x7F;
    // A range whose end is not after its start runs past midnight into the
    // next day (22:00 to 06:00); from and to equal make the whole day.
    int fromMinute = 0;
    int toMinute = 0;
    // The stored value of a rule that could not be read: kept as it is,
    // and it never holds.
    std::string unreadable;

    bool HoldsAt(const LocalTime& now) const;
    bool operator==(const ScheduleRule& other) const;
};

// The rule's stored value, "days,from,to,collection", and back; none for a
// value of another form.
std::string FormatScheduleRule(const ScheduleRule& rule);
std::optional<ScheduleRule> ParseScheduleRule(const std::string& value);

// The rules as the file holds them, in order, and the changes that make
// the file hold others.
std::vector<ScheduleRule> ReadSchedule(IProfileFile& file);
std::vector<KeyChange> ScheduleChanges(const std::vector<ScheduleRule>& stored,
                                       const std::vector<ScheduleRule>& wanted);
// The section and key names: every rule is a key of its own.
extern const char* const scheduleSection;

// The collection in effect now and why: the index of the rule that picked
// it, or none for the current collection. A rule whose collection the file
// no longer holds is passed over.
struct ScheduledCollection {
    std::string collection;
    std::optional<size_t> rule;
};
ScheduledCollection ChooseByClock(const std::vector<ScheduleRule>& rules, const std::vector<std::string>& collections,
                                  const std::string& current, const LocalTime& now);

// ChooseByClock over what the file holds now, when the schedule is
// followed; else the current collection.
ScheduledCollection CollectionInEffect(IProfileFile& file, bool followSchedule, const std::string& current,
                                       const LocalTime& now);

// "hh:mm" of a minute of the day, and back: "h:mm" or "hh:mm", "24:00" for
// the midnight that ends a day.
std::string FormatMinuteOfDay(int minute);
std::optional<int> ParseMinuteOfDay(const std::string& text);
