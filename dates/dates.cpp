// SPDX-License-Identifier: GPL-3.0-or-later
// The two conversions between calendar dates and day numbers (Fliegel and Van Flandern). Every
// division truncates toward zero, as C++ integer division does. The arithmetic runs in 64 bits so
// that no 32-bit input can overflow it.
#include "dates/dates.h"

#include "dates/day_arithmetic.h"

int64_t WideJulianFromDate(int64_t month, int64_t day, int64_t year) {
    const int64_t a = (month - 14) / 12; // -1 for January and February, 0 otherwise
    return (day - 32075) + 1461 * (year + 4800 + a) / 4 + 367 * (month - 2 - 12 * a) / 12 -
           3 * ((year + 4900 + a) / 100) / 4;
}

int32_t JulianFromDate(int32_t month, int32_t day, int32_t year) {
    return static_cast<int32_t>(WideJulianFromDate(month, day, year));
}

void DateFromJulian(int32_t dayNumber, int32_t& month, int32_t& day, int32_t& year) {
    int64_t l = int64_t{dayNumber} + 68569;
    const int64_t n = 4 * l / 146097;
    l = l - (146097 * n + 3) / 4;
    const int64_t i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const int64_t j = 80 * l / 2447;
    day = static_cast<int32_t>(l - 2447 * j / 80);
    l = j / 11;
    month = static_cast<int32_t>(j + 2 - 12 * l);
    year = static_cast<int32_t>(100 * (n - 49) + i + l);
}

int32_t YearFromShortYear(int32_t year, int digits) {
    if (digits > 2 || year < 0 || year > 99) return year;
    return year < 50 ? 2000 + year : 1900 + year;
}
