// The local time and the user's week, as Windows gives them.
#pragma once
#include <array>
#include <string>

// The day of the week, 0 for Sunday to 6 for Saturday, and the minute of
// the day, 0 to 1439: daylight saving time is only another local time.
struct LocalTime {
    int dayOfWeek = 0;
    int minuteOfDay = 0;
};

// The user's names of the days, by the day's number (0 for Sunday), and the
// day the week starts on.
struct WeekNames {
    std::array<std::string, 7> days{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    int firstDay = 1;

    // The day shown at a place of the week, 0 for the first.
    int DayAt(int place) const { return (firstDay + place) % 7; }
};

// Windows' local time now.
LocalTime ReadLocalTime();
// The user's short day names and first day of the week.
WeekNames ReadUserWeek();
