// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/dates.h"
#include "dates/today.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseDateText, ValidTexts) {
    struct Case {
        const char* text;
        const char* order;
        int32_t dayNumber;
    };
    const Case cases[] = {
        {"10/16/2018", "MDY", 2458408},
        {"10-16-2018", "MDY", 2458408},
        {"2018-10-16", "YMD", 2458408},
        {"2018/10/16", "YMD", 2458408},
        {"10-16/2018", "MDY", 2458408},    // the two separators may be mixed
        {" 10- 16 -2018", "MDY", 2458408}, // blanks before a number are skipped, text after it ignored
        {"2-29-2020", "MDY", 2458909},
        {"10-16-2018-99", "MDY", 2458408}, // a fourth field is ignored
        {"10-16-2018 junk", "MDY", 2458408},
        {"10.4-16-2018", "MDY", 2458408},    // rounded to a whole number
        {"9.5-16-2018", "MDY", 2458408},     // halves to even: 9.5 -> 10
        {"10.5-16-2018", "MDY", 2458408},    // and 10.5 -> 10
        {"10.51-15.5-2018", "MDY", 2458439}, // 11-16-2018
        {"+10-16-2018", "MDY", 2458408},
        // No range check: day 32 of October is 1 November, month 13 is January of the next year.
        {"10-32-2018", "MDY", 2458424},
        {"13-1-2018", "MDY", 2458485},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + c.order);
        std::string order = c.order;
        const auto dayNumber = ParseDateText(c.text, order);
        ASSERT_TRUE(dayNumber.has_value());
        EXPECT_EQ(*dayNumber, c.dayNumber);
        EXPECT_EQ(order, c.order);
    }
}

TEST(ParseDateText, InvalidTexts) {
    struct Case {
        const char* text;
        const char* order;
    };
    const Case cases[] = {
        {"10-00-2018", "MDY"}, // a zero field
        {"00-16-2018", "MDY"},
        {"10-16-0", "MDY"},
        {"0.0-16-2018", "MDY"},
        {"-0-16-2018", "MDY"},
        {"10-16", "MDY"}, // no year
        {"10-16-", "MDY"},
        {"10", "MDY"},
        {"-", "MDY"},
        {"--", "MDY"},
        {"oct-16-2018", "MDY"}, // not a number
        {"10-sixteen-2018", "MDY"},
        {"10-16-.", "MDY"},
        {" ", "MDY"},
        {"--10-16-2018", "MDY"}, // the minus is read as a separator, leaving empty fields
        {"10-16-2018", "mdy"},   // the order code is compared exactly
        {"10-16-2018", "DMY"},
        {"10-16-2018", ""},
        // Fields or day numbers beyond 32 bits are refused instead of overflowing.
        {"10-16-99999999999999999999", "MDY"},
        {"10-16-3000000000", "MDY"},
        {"10-16-6000000", "MDY"},
        {"99999999999-16-2018", "MDY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" " + c.order);
        std::string order = c.order;
        EXPECT_FALSE(ParseDateText(c.text, order).has_value());
    }
}

TEST(ParseDateText, EmptyTextIsTodayAndSetsTheOrderToMonthDayYear) {
    SetTodayForTesting(CivilDate{2024, 2, 29});
    std::string order = "YMD";
    const auto dayNumber = ParseDateText("", order);
    SetTodayForTesting(std::nullopt);
    ASSERT_TRUE(dayNumber.has_value());
    EXPECT_EQ(*dayNumber, JulianFromDate(2, 29, 2024));
    EXPECT_EQ(order, "MDY");
}

TEST(ParseDateText, ReadsBackEveryTextTheProgramWrites) {
    for (int32_t dayNumber = 2415021; dayNumber < 2488070; dayNumber += 97) { // 1900 .. 2099
        SCOPED_TRACE(dayNumber);
        std::string mdy = "MDY", ymd = "YMD";
        EXPECT_EQ(ParseDateText(JulianToText(dayNumber, 6), mdy), dayNumber);
        EXPECT_EQ(ParseDateText(JulianToText(dayNumber, 5), ymd), dayNumber);
    }
}

} // namespace
