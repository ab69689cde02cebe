// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/dates.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// The day number of 1 January 1970, the standard library's day 0.
constexpr int32_t kUnixEpochDay = 2440588;

struct CalendarDay {
    int32_t month, day, year;
};

CalendarDay Civil(int32_t dayNumber) {
    CalendarDay d{};
    DateFromJulian(dayNumber, d.month, d.day, d.year);
    return d;
}

TEST(DayNumbers, AgreeWithTheStandardCalendarFrom1600To2400) {
    const sys_days first = year{1600} / January / 1;
    const sys_days last = year{2400} / December / 31;
    int checked = 0;
    for (sys_days d = first; d <= last; d += days{1}) {
        const year_month_day ymd{d};
        const int32_t expected = static_cast<int32_t>(d.time_since_epoch().count()) + kUnixEpochDay;
        const auto month = static_cast<int32_t>(static_cast<unsigned>(ymd.month()));
        const auto day = static_cast<int32_t>(static_cast<unsigned>(ymd.day()));
        const auto yr = static_cast<int32_t>(ymd.year());

        const int32_t got = JulianFromDate(month, day, yr);
        const CalendarDay back = Civil(expected);
        if (got != expected || back.month != month || back.day != day || back.year != yr) {
            ADD_FAILURE() << yr << "-" << month << "-" << day << ": day number " << got << ", expected "
                          << expected << "; back " << back.year << "-" << back.month << "-" << back.day;
            return;
        }
        ++checked;
    }
    // Days 1600-01-01 .. 2400-12-31 inclusive, so the loop cannot have stopped early.
    EXPECT_EQ(checked, (last - first).count() + 1);
}

TEST(DayNumbers, KnownDatesBothWays) {
    struct Case {
        int32_t dayNumber;
        CalendarDay date;
    };
    const Case cases[] = {
        {2458408, {10, 16, 2018}}, // the build date
        {0, {11, 24, -4713}},      // the start of the count
        {2451545, {1, 1, 2000}},   {2451544, {12, 31, 1999}}, {2458909, {2, 29, 2020}},
        {2488129, {3, 1, 2100}},   {2488128, {2, 28, 2100}}, // 2100 is no leap year
        {2299161, {10, 15, 1582}},                           // the first Gregorian day, read proleptically
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dayNumber);
        EXPECT_EQ(JulianFromDate(c.date.month, c.date.day, c.date.year), c.dayNumber);
        const CalendarDay back = Civil(c.dayNumber);
        EXPECT_EQ(back.month, c.date.month);
        EXPECT_EQ(back.day, c.date.day);
        EXPECT_EQ(back.year, c.date.year);
    }
}

TEST(DayNumbers, OutOfRangeMonthAndDayAreCarriedIntoTheArithmetic) {
    // No range check: day 32 of October is 1 November, day 0 is the last of the month before.
    EXPECT_EQ(JulianFromDate(10, 32, 2018), JulianFromDate(11, 1, 2018));
    EXPECT_EQ(JulianFromDate(3, 0, 2020), JulianFromDate(2, 29, 2020));
}

TEST(DayNumbers, ExtremeDayNumbersConvertWithoutOverflow) {
    // The 32-bit ends lie far outside any calendar in use; they must still give a date whose year
    // is of the right sign and size rather than wrapped-around garbage.
    const CalendarDay high = Civil(INT32_MAX);
    EXPECT_GT(high.year, 5'000'000);
    EXPECT_GE(high.month, 1);
    EXPECT_LE(high.month, 12);
    EXPECT_EQ(JulianFromDate(high.month, high.day, high.year), INT32_MAX);
}

} // namespace
