// SPDX-License-Identifier: GPL-3.0-or-later
// The default ratios: the limits applied to typed ratio texts, and their reading from the file.
#include "app/settings/settings_file.h"
#include "prefs/default_ratios.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(DefaultRatioLimits, OpportunityFrom0To100ThenBaseUpToWhatItLeaves) {
    struct Case {
        const char* opportunity;
        const char* base;
        DefaultRatios limited;
        int64_t events;
    };
    const Case cases[] = {
        {"150", "65", {100, 0}, 0},
        {"20", "75", {20, 75}, 5},
        {"10", "95", {10, 90}, 0},
        {"100", "-5", {100, 0}, 0},  // nothing below 0: Events would show more than what is left
        {"-20", "200", {0, 100}, 0},
        {"abc", "", {0, 0}, 100},
        {" 12.5%", "64.5", {12, 64}, 24}, // leading number, halves to even
        {"11.5", "65.5", {12, 66}, 22},
        {"-99999999999", "99999999999", {0, 100}, 0}, // held in range, no overflow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.opportunity) + " / " + c.base);
        const DefaultRatios r = LimitRatios(c.opportunity, c.base);
        EXPECT_EQ(r.opportunity, c.limited.opportunity);
        EXPECT_EQ(r.base, c.limited.base);
        EXPECT_EQ(EventsOf(r), c.events);
    }
}

TEST(DefaultRatioFile, ReadsOpportunityAndCurrValueWithTheirDefaults) {
    TempFolder folder;
    const std::string file = folder.file("QMK.ini");
    EXPECT_EQ(LoadDefaultRatios(file), (DefaultRatios{10, 65}));
    PutIni(file, "Default", "Opportunity", "20");
    PutIni(file, "Default", "MaxValue", "3");
    PutIni(file, "Default", "CurrValue", "75.5");
    EXPECT_EQ(LoadDefaultRatios(file), (DefaultRatios{20, 76}));
}

} // namespace
