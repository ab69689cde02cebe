// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a date text into a day number.
#include "dates/dates.h"

#include "dates/day_arithmetic.h"
#include "dates/today.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Whole parts beyond this are held at it: such a field is refused anyway, and holding it keeps the
// day-number arithmetic inside 64 bits.
constexpr int64_t kWholeLimit = 1'000'000'000'000'000;

struct FieldValue {
    bool zero = true;    // the field reads as 0 (no number, or only zero digits)
    int64_t rounded = 0; // rounded to a whole number, halves to even
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading-number rule: after leading blanks, an optional sign and the longest run of digits
// with at most one decimal point; the rest of the field is ignored.
FieldValue ReadField(std::string_view field) {
    size_t at = 0;
    while (at < field.size() && (field[at] == ' ' || field[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < field.size() && (field[at] == '-' || field[at] == '+')) negative = field[at++] == '-';

    FieldValue value;
    int64_t whole = 0;
    for (; at < field.size() && IsDigit(field[at]); ++at) {
        whole = std::min(kWholeLimit, whole * 10 + (field[at] - '0'));
        if (field[at] != '0') value.zero = false;
    }
    int firstDecimal = -1;      // the first digit after the point, -1 when there is none
    bool laterDecimals = false; // a non-zero digit after the first one
    if (at < field.size() && field[at] == '.') {
        for (++at; at < field.size() && IsDigit(field[at]); ++at) {
            if (field[at] != '0') value.zero = false;
            if (firstDecimal < 0)
                firstDecimal = field[at] - '0';
            else if (field[at] != '0')
                laterDecimals = true;
        }
    }
    const bool roundUp = firstDecimal > 5 || (firstDecimal == 5 && (laterDecimals || whole % 2 == 1));
    value.rounded = (whole + (roundUp ? 1 : 0)) * (negative ? -1 : 1);
    return value;
}

bool FitsIn32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

} // namespace

std::optional<int32_t> ParseDateText(std::string_view text, std::string& order) {
    if (text.empty()) {
        order = "MDY";
        const CivilDate today = Today();
        return JulianFromDate(today.month, today.day, today.year);
    }

    // Three fields at "-" or "/"; missing fields are empty and anything after a third is ignored.
    std::array<FieldValue, 3> fields;
    size_t start = 0;
    for (FieldValue& field : fields) {
        if (start > text.size()) break; // missing: stays zero
        size_t end = text.find_first_of("-/", start);
        if (end == std::string_view::npos) end = text.size();
        field = ReadField(text.substr(start, end - start));
        start = end + 1;
    }
    for (const FieldValue& field : fields)
        if (field.zero || !FitsIn32(field.rounded)) return std::nullopt;

    int64_t month = 0, day = 0, year = 0;
    if (order == "MDY") {
        month = fields[0].rounded, day = fields[1].rounded, year = fields[2].rounded;
    } else if (order == "YMD") {
        year = fields[0].rounded, month = fields[1].rounded, day = fields[2].rounded;
    } else {
        return std::nullopt;
    }
    const int64_t dayNumber = WideJulianFromDate(month, day, year);
    if (!FitsIn32(dayNumber)) return std::nullopt;
    return static_cast<int32_t>(dayNumber);
}
