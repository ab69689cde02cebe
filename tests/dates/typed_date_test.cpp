// SPDX-License-Identifier: GPL-3.0-or-later
// Dates as a user types or pastes them into a date field: short years read with the pivot,
// any separators, fields the format lacks taken from the date shown.
#include "dates/dates.h"
#include "dates/typed_date.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ShortYear, ZeroToFortyNineAreThisCenturyFiftyToNinetyNineTheLast) {
    const std::pair<int, int> cases[] = {{0, 2000},  {19, 2019}, {49, 2049},
                                         {50, 1950}, {87, 1987}, {99, 1999}};
    for (const auto& [typed, year] : cases) {
        EXPECT_EQ(YearFromShortYear(typed, 2), year) << typed;
    }
    EXPECT_EQ(YearFromShortYear(9, 1), 2009);
    EXPECT_EQ(YearFromShortYear(19, 4), 19); // "0019" means the year 19
    EXPECT_EQ(YearFromShortYear(2019, 4), 2019);
}

TEST(TypedDate, ReadsWhatWasTypedOrPastedInTheFieldsOrder) {
    const CivilDate shown{2018, 10, 16};
    struct Case {
        const char* text;
        const char* format;
        std::optional<CivilDate> date;
    };
    const Case cases[] = {
        {"11/05/19", "MM/DD/YYYY", CivilDate{2019, 11, 5}},
        {"11/5/87", "MM/DD/YYYY", CivilDate{1987, 11, 5}},
        {"11-05-2019", "MM/DD/YYYY", CivilDate{2019, 11, 5}},
        {" 2/29/20 ", "MM/dd/yyyy", CivilDate{2020, 2, 29}},
        {"19", "YYYY", CivilDate{2019, 10, 16}},
        {"50", "YYYY", CivilDate{1950, 10, 16}},
        {"2031", "yyyy", CivilDate{2031, 10, 16}},
        // Not a date: the wrong count of numbers, a day or month that does not exist.
        {"11/05", "MM/DD/YYYY", std::nullopt},
        {"11/05/19/1", "MM/DD/YYYY", std::nullopt},
        {"2/29/19", "MM/DD/YYYY", std::nullopt},
        {"13/01/19", "MM/DD/YYYY", std::nullopt},
        {"00/01/19", "MM/DD/YYYY", std::nullopt},
        {"", "YYYY", std::nullopt},
        {"123456", "YYYY", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " as " + c.format);
        const std::optional<CivilDate> read = ReadTypedDate(c.text, c.format, shown);
        ASSERT_EQ(read.has_value(), c.date.has_value());
        if (read) {
            EXPECT_EQ(*read, *c.date);
        }
    }
}

TEST(TypedDate, AYearAloneKeepsTheDayWithinItsMonth) {
    // 29 February 2020 shown, "19" typed in a year field: 28 February 2019.
    const auto read = ReadTypedDate("19", "YYYY", CivilDate{2020, 2, 29});
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, (CivilDate{2019, 2, 28}));
}

} // namespace
