#include "collections/LocalClock.h"

#include <windows.h>

LocalTime ReadLocalTime()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wDayOfWeek, now.wHour * 60 + now.wMinute};
}

WeekNames ReadUserWeek()
{
    WeekNames week;
    char text[80];
    // The locale counts from Monday (1 in the names, 0 in the first day).
    for (int monday = 0; monday < 7; ++monday)
        if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME1 + monday, text, sizeof text) > 1)
            week.days[(monday + 1) % 7] = text;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, text, sizeof text) > 1 && text[0] >= '0' &&
        text[0] <= '6')
        week.firstDay = (text[0] - '0' + 1) % 7;
    return week;
}
