#include "collections/Schedule.h"

#include "base/TextPieces.h"
#include "collections/Collection.h"
#include "collections/StoredNames.h"

#include <map>


namespace {
constexpr int minutesPerDay = 24 * 60;
const char* const ruleKeyPrefix = "ScheduleRule";

bool OnDay(uint8_t days, int day)
{
    return (days >> ((day % 7 + 7) % 7)) & 1;
}

std::string RuleKey(size_t index)
{
    return ruleKeyPrefix + FormatDecimal(static_cast<int32_t>(index + 1));
}
}  // namespace

const char* const scheduleSection = "TombolixInternal";

bool ScheduleRule::HoldsAt(const LocalTime& now) const
{
    if (!unreadable.empty()) return false;
    const int minute = now.minuteOfDay;
    if (fromMinute == toMinute) return OnDay(days, now.dayOfWeek);
    if (fromMinute < toMinute) return OnDay(days, now.dayOfWeek) && minute >= fromMinute && minute < toMinute;
    // Past midnight: the evening of a day of the rule, or the morning after.
    return (OnDay(days, now.dayOfWeek) && minute >= fromMinute) ||
           (OnDay(days, now.dayOfWeek - 1) && minute < toMinute);
}

bool ScheduleRule::operator==(const ScheduleRule& other) const
{
    return collection == other.collection && days == other.days && fromMinute == other.fromMinute &&
           toMinute == other.toMinute && unreadable == other.unreadable;
}

std::string FormatScheduleRule(const ScheduleRule& rule)
{
    if (!rule.unreadable.empty()) return rule.unreadable;
    return FormatDecimal(rule.days) + "," + FormatDecimal(rule.fromMinute) + "," + FormatDecimal(rule.toMinute) +
           "," + rule.collection;
}

std::optional<ScheduleRule> ParseScheduleRule(const std::string& value)
{
    std::vector<std::string> pieces;
    size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        size_t comma = value.find(',', at);
        if (comma == std::string::npos) return std::nullopt;
        pieces.push_back(value.substr(at, comma - at));
        at = comma + 1;
    }
    std::optional<int32_t> days = ReadBoundedNumber(pieces[0], 1, 0x7F);
    std::optional<int32_t> from = ReadBoundedNumber(pieces[1], 0, minutesPerDay - 1);
    std::optional<int32_t> to = ReadBoundedNumber(pieces[2], 0, minutesPerDay - 1);
    std::string collection = value.substr(at);
    if (!days || !from || !to || CheckCollectionName(collection) != CollectionNameProblem::None) return std::nullopt;
    return ScheduleRule(collection, static_cast<uint8_t>(*days), *from, *to);
}

std::vector<ScheduleRule> ReadSchedule(IProfileFile& file)
{
    // One read of the section, looked up by name at once however many keys
    // a file holds; the first spelling of a key counts, as for the profile
    // functions.
    std::map<std::string, std::string> values;
    for (auto& [key, value] : file.ReadSection(scheduleSection)) values.emplace(LowerCase(key), std::move(value));
    std::vector<ScheduleRule> rules;
    // In the order of their numbers, up to the first one missing.
    for (size_t index = 0;; ++index) {
        auto found = values.find(LowerCase(RuleKey(index)));
        const std::string value = found == values.end() ? "" : found->second;
        if (value.empty()) return rules;
        // One that cannot be read keeps its place and its text.
        std::optional<ScheduleRule> rule = ParseScheduleRule(value);
        rules.push_back(rule ? *rule : ScheduleRule::Unreadable(value));
    }
}

std::vector<KeyChange> ScheduleChanges(const std::vector<ScheduleRule>& stored,
                                       const std::vector<ScheduleRule>& wanted)
{
    std::vector<KeyChange> changes;
    for (size_t i = 0; i < wanted.size(); ++i)
        if (i >= stored.size() || !(stored[i] == wanted[i]))
            changes.push_back({RuleKey(i), FormatScheduleRule(wanted[i])});
    for (size_t i = wanted.size(); i < stored.size(); ++i) changes.push_back({RuleKey(i), std::nullopt});
    return changes;
}

ScheduledCollection ChooseByClock(const std::vector<ScheduleRule>& rules, const std::vector<std::string>& collections,
                                  const std::string& current, const LocalTime& now)
{
    // The file's spelling of each name, found at once among thousands.
    std::map<std::string, const std::string*> spelling;
    for (const std::string& name : collections) spelling.emplace(LowerCase(name), &name);
    for (size_t i = 0; i < rules.size(); ++i) {
        if (!rules[i].HoldsAt(now)) continue;
        auto found = spelling.find(LowerCase(rules[i].collection));
        if (found != spelling.end()) return {*found->second, i};
    }
    return {current, std::nullopt};
}

ScheduledCollection CollectionInEffect(IProfileFile& file, bool followSchedule, const std::string& current,
                                       const LocalTime& now)
{
    if (!followSchedule) return {current, std::nullopt};
    return ChooseByClock(ReadSchedule(file), ListCollectionNames(file), current, now);
}

std::string FormatMinuteOfDay(int minute)
{
    const int hours = minute / 60, minutes = minute % 60;
    return std::string(hours < 10 ? "0" : "") + FormatDecimal(hours) + (minutes < 10 ? ":0" : ":") +
           FormatDecimal(minutes);
}

std::optional<int> ParseMinuteOfDay(const std::string& text)
{
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || text.size() != colon + 3) return std::nullopt;
    std::optional<int32_t> hours = ReadBoundedNumber(text.substr(0, colon), 0, 24);
    std::optional<int32_t> minutes = ReadBoundedNumber(text.substr(colon + 1), 0, 59);
    if (!hours || !minutes || (*hours == 24 && *minutes != 0)) return std::nullopt;
    return *hours % 24 * 60 + *minutes;
}
