// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal_figures.h"

#include "tests/report/proposal_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(ProposalFigures, ReadThePlannerTextsUnderTheCurrency) {
    ProposalInputs plan = FloristsPlan();
    plan.currency = 2;
    plan.budget = "\xA3"
                  "12,345.67";
    plan.rate = " \xA3"
                "49.50";
    plan.year = "2007";
    plan.startMonthIndex = 11;
    const ProposalFigures f = DeriveFigures(plan);
    EXPECT_EQ(f.client, "Bloom & Petal Florists");
    EXPECT_EQ(f.budget, 1234567);
    EXPECT_EQ(f.rate, 4950);
    EXPECT_EQ(f.twoDigitYear, 7);
    EXPECT_EQ(f.startMonth, 12);
    EXPECT_FLOAT_EQ(f.maxPercent, 11.7f);
    EXPECT_NEAR(f.excessSum, 7.6f, 1e-4f);
    EXPECT_EQ(f.monthBase, 51440) << "half of the budget over twelve months: 514.403 as $514.40";
}

TEST(ProposalFigures, EventsAdsRoundBothAmountsBeforeDividing) {
    struct Case {
        Money amount, rate;
        std::optional<std::int64_t> ads;
    };
    const Case cases[] = {
        {82105, 5000, 16},                           // $821.05 / $50
        {14950, 5000, 3},                            // $149.50 rounds to 150 (halves to even), not 2.99
        {14850, 5000, 2},                            // $148.50 rounds to 148
        {10000, 5050, 2},                            // the rate $50.50 rounds to 50
        {10000, 5150, 1},                            // $51.50 rounds to 52: 100 / 52 drops its fraction
        {0, 5000, 0},      {5000, 40, std::nullopt}, // a rate of $0.40 is no whole unit: no count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(EventsAds(c.amount, c.rate), c.ads);
    }
}

TEST(ProposalFigures, WholePercentRoundsHalvesUp) {
    struct Case {
        float ratio;
        int percent;
    };
    for (const Case& c : {Case{0.29f, 29}, Case{0.285f, 29}, Case{0.2849f, 28}, Case{0.605f, 61}, Case{0, 0},
                          Case{1, 100}, Case{-0.05f, -5}, Case{-0.055f, -5}, Case{-0.056f, -6}}) {
        SCOPED_TRACE(c.ratio);
        EXPECT_EQ(WholePercent(c.ratio), c.percent);
    }
}

} // namespace
