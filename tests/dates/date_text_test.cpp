// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/dates.h"

#include <gtest/gtest.h>

namespace {

TEST(JulianToText, EveryFormat) {
    struct Case {
        int32_t dayNumber;
        int32_t format;
        const char* text;
    };
    const Case cases[] = {
        {2458408, 1, "October"},
        {2458408, 2, "10"},
        {2458408, 3, "2018"},
        {2458408, 4, "20181016"},
        {2458408, 5, "2018-10-16"},
        {2458408, 6, "10-16-2018"},
        {2458408, 7, "16"},
        // Single-digit months and days: padded where a mask asks for two digits, bare otherwise.
        {2451545, 1, "January"},
        {2451545, 2, "1"},
        {2451545, 4, "20000101"},
        {2451545, 5, "2000-01-01"},
        {2451545, 6, "01-01-2000"},
        {2451545, 7, "1"},
        {2451544, 1, "December"},
        {2451544, 6, "12-31-1999"},
        // Day number 0 is an ordinary day; a year before 1 keeps its sign in front of the digits.
        {0, 1, "November"},
        {0, 3, "-4713"},
        {0, 6, "11-24--4713"},
        {1721426, 5, "0001-01-01"},
        {1721426, 3, "1"},
        // Codes outside 1..7.
        {2458408, 0, ""},
        {2458408, 8, ""},
        {2458408, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dayNumber) + " format " + std::to_string(c.format));
        EXPECT_EQ(JulianToText(c.dayNumber, c.format), c.text);
    }
}

TEST(SwapDateSeparator, ChangesTheCallersTextAndReturnsIt) {
    struct Case {
        const char* before;
        int32_t flag;
        const char* after;
    };
    const Case cases[] = {
        {"10/16/2018", 0, "10-16-2018"}, {"10-16-2018", 1, "10/16/2018"}, {"10-16-2018", -7, "10/16/2018"},
        {"10-16/2018", 0, "10-16-2018"}, {"10-16/2018", 1, "10/16/2018"}, {"", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " flag " + std::to_string(c.flag));
        std::string text = c.before;
        EXPECT_EQ(SwapDateSeparator(text, c.flag), c.after);
        EXPECT_EQ(text, c.after);
    }
}

TEST(BuildDateText, IsTheBuildDateWithSlashesAndDashesForTheAboutBox) {
    EXPECT_EQ(BuildDateText(), "10/16/2018");
    std::string text = BuildDateText();
    EXPECT_EQ(SwapDateSeparator(text, 0), "10-16-2018");
}

} // namespace
