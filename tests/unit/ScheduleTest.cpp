// Which collection the clock picks, and the rules' stored form.
#include "collections/Schedule.h"
#include "collections/ScheduleText.h"

#include "fakes/FakeProfileFile.h"

#include <gtest/gtest.h>

namespace {

constexpr int sunday = 0, monday = 1, friday = 5, saturday = 6;
constexpr uint8_t weekdays = 0x3E, weekend = 0x41;

int At(int hours, int minutes = 0) { return hours * 60 + minutes; }

TEST(Schedule, ARuleHoldsOnItsDaysFromItsStartToItsEndAcrossMidnight)
{
    const ScheduleRule work{"Lively", weekdays, At(9), At(17)};
    const ScheduleRule night{"Calm", 1 << friday, At(22), At(6)};
    const ScheduleRule toMidnight{"Late", 1 << saturday, At(18), At(0)};
    const ScheduleRule allDay{"Sunday", 1 << sunday, At(0), At(0)};
    const struct { const ScheduleRule& rule; LocalTime now; bool holds; } cases[] = {
        {work, {monday, At(9)}, true},           {work, {monday, At(16, 59)}, true},
        {work, {monday, At(17)}, false},         {work, {saturday, At(12)}, false},
        {night, {friday, At(21, 59)}, false},    {night, {friday, At(22)}, true},
        {night, {saturday, At(5, 59)}, true},    {night, {saturday, At(6)}, false},
        {night, {friday, At(5)}, false},         // the morning after Thursday
        {toMidnight, {saturday, At(23, 59)}, true}, {toMidnight, {sunday, At(0)}, false},
        {allDay, {sunday, At(0)}, true},         {allDay, {sunday, At(23, 59)}, true},
        {allDay, {monday, At(0)}, false},
        // Saturday's evening runs into Sunday, the week's first day.
        {ScheduleRule{"Calm", 1 << saturday, At(22), At(2)}, {sunday, At(1)}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.holds, c.rule.HoldsAt(c.now)) << c.rule.collection << " " << c.now.dayOfWeek << " "
                                                  << FormatMinuteOfDay(c.now.minuteOfDay);
}

TEST(Schedule, TheFirstRuleThatHoldsPicksAnExistingCollection)
{
    const std::vector<ScheduleRule> rules{{"Gone", 0x7F, At(0), At(0)},
                                          {"evening", 0x7F, At(18), At(23)},
                                          {"Work", weekdays, At(8), At(20)}};
    const std::vector<std::string> collections{"Default", "Evening", "Work"};
    auto pick = [&](LocalTime now) { return ChooseByClock(rules, collections, "Default", now); };
    // A missing collection's rule is passed over; the file's spelling counts.
    EXPECT_EQ("Evening", pick({monday, At(19)}).collection);
    EXPECT_EQ(1u, pick({monday, At(19)}).rule.value());
    EXPECT_EQ("Work", pick({monday, At(10)}).collection);
    EXPECT_EQ(2u, pick({monday, At(10)}).rule.value());
    EXPECT_EQ("Default", pick({saturday, At(10)}).collection);
    EXPECT_FALSE(pick({saturday, At(10)}).rule);
    // A change of the clock (daylight saving time) is only another local time.
    EXPECT_EQ("Work", pick({monday, At(17, 30)}).collection);
    EXPECT_EQ("Evening", pick({monday, At(18, 30)}).collection);
}

TEST(Schedule, RulesAreStoredOneKeyEachAndOnlyTheChangedOnesAreWritten)
{
    FakeProfileFile file;
    file.SetText("[TombolixInternal]\r\nFolders=D:\\Savers*\r\nScheduleRule1=62,540,1020,Lively, and loud\r\n"
                 "ScheduleRule2=bad\r\nSCHEDULErule3=65,0,0,Weekend\r\nScheduleRule3=1,0,0,Later copy\r\n");
    const std::vector<ScheduleRule> stored = ReadSchedule(file);
    ASSERT_EQ(3u, stored.size());
    EXPECT_EQ((ScheduleRule{"Lively, and loud", weekdays, At(9), At(17)}), stored[0]);
    EXPECT_EQ(ScheduleRule::Unreadable("bad"), stored[1]);
    EXPECT_FALSE(stored[1].HoldsAt({monday, At(0)}));
    EXPECT_EQ((ScheduleRule{"Weekend", weekend, 0, 0}), stored[2]);
    EXPECT_FALSE(ParseScheduleRule("0,0,0,None"));
    EXPECT_FALSE(ParseScheduleRule("1,0,1440,Late"));
    EXPECT_FALSE(ParseScheduleRule("1,0,60, Blank"));

    // Moved, the unreadable one keeps its text.
    std::vector<KeyChange> changes = ScheduleChanges(stored, {stored[1], stored[0], stored[2]});
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ("ScheduleRule1", changes[0].key);
    EXPECT_EQ("bad", changes[0].value.value_or(""));
    EXPECT_EQ("62,540,1020,Lively, and loud", changes[1].value.value_or(""));

    // The unreadable one removed: the later ones move up.
    changes = ScheduleChanges(stored, {stored[0], stored[2]});
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ("ScheduleRule2", changes[0].key);
    EXPECT_EQ("65,0,0,Weekend", changes[0].value.value_or(""));
    EXPECT_EQ("ScheduleRule3", changes[1].key);
    EXPECT_FALSE(changes[1].value);
    EXPECT_EQ("22:00", FormatMinuteOfDay(At(22)));
    EXPECT_EQ("06:05", FormatMinuteOfDay(At(6, 5)));
}

TEST(Schedule, TimesAreTypedAsHoursAndMinutes)
{
    EXPECT_EQ(At(6, 5), ParseMinuteOfDay("6:05"));
    EXPECT_EQ(At(22), ParseMinuteOfDay("22:00"));
    EXPECT_EQ(0, ParseMinuteOfDay("24:00"));   // the midnight that ends a day
    for (const char* refused : {"", "6", "6:5", "24:01", "25:00", "12:60", "-1:00", "123:00", " 6:00", "06:00 "})
        EXPECT_FALSE(ParseMinuteOfDay(refused)) << refused;
}

TEST(ScheduleText, DaysReadInTheOrderOfTheUsersWeek)
{
    WeekNames week;   // from Monday
    WeekNames fromSunday;
    fromSunday.firstDay = sunday;
    EXPECT_EQ("Every day", FormatDays(0x7F, week));
    EXPECT_EQ("Mon-Fri", FormatDays(weekdays, week));
    EXPECT_EQ("Mon-Fri", FormatDays(weekdays, fromSunday));
    EXPECT_EQ("Sat, Sun", FormatDays(weekend, week));
    EXPECT_EQ("Sun, Sat", FormatDays(weekend, fromSunday));
    EXPECT_EQ("Fri-Sun", FormatDays(weekend | 1 << friday, week));
    EXPECT_EQ("Sun, Fri, Sat", FormatDays(weekend | 1 << friday, fromSunday));
    EXPECT_EQ("Mon, Tue", FormatDays(0x06, week));

    EXPECT_EQ("Calm\tFri\t22:00-06:00", DescribeRule({"Calm", 1 << friday, At(22), At(6)}, true, week));
    EXPECT_EQ("Gone (missing, skipped)\tEvery day\tAll day", DescribeRule({"Gone", 0x7F, 0, 0}, false, week));
    EXPECT_EQ("(cannot be read, never holds)\t\t9,x", DescribeRule(ScheduleRule::Unreadable("9,x"), true, week));

    const LocalTime now{friday, At(21, 14)};
    EXPECT_EQ("Now (Fri 21:14): Calm, by rule 2.", DescribeInEffect(true, {"Calm", 1}, now, week));
    EXPECT_EQ("Now (Fri 21:14): no rule holds; the collection chosen on the Collections page, Default, is used.",
              DescribeInEffect(true, {"Default", std::nullopt}, now, week));
    EXPECT_EQ("The schedule is not followed: the collection chosen on the Collections page, Default, is used.",
              DescribeInEffect(false, {"Default", std::nullopt}, now, week));
    EXPECT_EQ("Rule 2 of the schedule named Calm: it is removed with the collection.", DescribeRulesGone("Calm", {2}));
    EXPECT_EQ("Rules 1, 3 and 4 of the schedule named Calm: they are removed with the collection.",
              DescribeRulesGone("Calm", {1, 3, 4}));
}

}  // namespace
