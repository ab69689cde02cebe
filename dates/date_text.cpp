// SPDX-License-Identifier: GPL-3.0-or-later
// The date texts the program shows.
#include "dates/dates.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

// The moment the program was built; only its date is shown.
struct BuildTimeStamp {
    int32_t month, day, year, hour, minute, second;
};
constexpr BuildTimeStamp kBuilt{10, 16, 2018, 15, 58, 15};

// A whole number with at least `width` digits, zero-padded, the minus sign (if any) in front:
// what the number masks "00" and "0000" show.
std::string ZeroPadded(int32_t value, size_t width) {
    std::string digits = std::to_string(std::abs(int64_t{value}));
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string MonthName(int32_t month) {
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<size_t>(month - 1)] : "";
}

void Replace(std::string& text, char from, char to) {
    for (char& c : text)
        if (c == from) c = to;
}

} // namespace

std::string JulianToText(int32_t dayNumber, int32_t format) {
    int32_t month = 0, day = 0, year = 0;
    DateFromJulian(dayNumber, month, day, year);
    const std::string mm = ZeroPadded(month, 2), dd = ZeroPadded(day, 2), yyyy = ZeroPadded(year, 4);
    switch (format) {
    case 1:
        return MonthName(month);
    case 2:
        return std::to_string(month);
    case 3:
        return std::to_string(year);
    case 4:
        return yyyy + mm + dd;
    case 5:
        return yyyy + "-" + mm + "-" + dd;
    case 6:
        return mm + "-" + dd + "-" + yyyy;
    case 7:
        return std::to_string(day);
    default:
        return "";
    }
}

std::string SwapDateSeparator(std::string& text, int32_t flag) {
    if (flag != 0)
        Replace(text, '-', '/');
    else
        Replace(text, '/', '-');
    return text;
}

std::string BuildDateText() {
    return ZeroPadded(kBuilt.month, 2) + "/" + ZeroPadded(kBuilt.day, 2) + "/" + ZeroPadded(kBuilt.year, 4);
}
