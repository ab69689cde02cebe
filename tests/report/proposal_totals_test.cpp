// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal.h"

#include "tests/report/proposal_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ProposalLegends, BracketTheChartAndTheMonthBoxesWithTheirShares) {
    const PageRecord page = RecordProposal(FloristsPlan());

    const auto events = FindText(page, "SPECIAL EVENT BUDGET: $4,800  (40%)");
    ASSERT_TRUE(events);
    EXPECT_FLOAT_EQ(events->x, 4.25f);
    EXPECT_FLOAT_EQ(events->y, 1.10f);
    EXPECT_EQ(events->align, TextAlign::Centre);
    EXPECT_EQ(events->font, (PageFont{"Arial", 9, 17}));

    const auto base = FindText(page, "YEARLY BASE BUDGET: $6,000  (50%)");
    ASSERT_TRUE(base);
    EXPECT_FLOAT_EQ(base->x, 4.25f);
    EXPECT_FLOAT_EQ(base->y, 7.85f);

    struct Segment {
        float x1, y1, x2, y2;
    };
    const Segment brackets[] = {
        {0.6f, 1.05f, 0.6f, 1.30f}, {7.9f, 1.05f, 7.9f, 1.30f}, {0.59f, 1.05f, 7.9f, 1.05f},
        {0.5f, 7.35f, 0.5f, 7.8f},  {8.0f, 7.35f, 8.0f, 7.8f},  {0.5f, 7.8f, 8.0f, 7.8f},
    };
    for (const Segment& s : brackets) {
        bool found = false;
        for (const PageLine& line : Lines(page))
            found |=
                line.x1 == s.x1 && line.y1 == s.y1 && line.x2 == s.x2 && line.y2 == s.y2 && line.width == 1;
        EXPECT_TRUE(found) << s.x1 << "," << s.y1 << " - " << s.x2 << "," << s.y2;
    }
    for (float top : {0.95f, 7.7f}) {
        bool background = false;
        for (const PageRect& rect : Rects(page))
            background |= rect.left == 2.75f && rect.right == 5.75f && rect.top == top && rect.width < 0 &&
                          rect.fill == kPageWhite && rect.line == kPageWhite;
        EXPECT_TRUE(background) << top;
    }
}

TEST(ProposalLegends, PercentagesRoundToTheNearestWholeNumber) {
    struct Case {
        const char *base, *events, *opportunity;
        const char *eventsText, *baseText, *opportunityText;
    };
    const Case cases[] = {
        {"35", "36", "29", "SPECIAL EVENT BUDGET: $4,320  (36%)", "YEARLY BASE BUDGET: $4,200  (35%)",
         "OPPORTUNITY BUDGET: $3,480 (29%)"},
        {"100", "0", "0", "SPECIAL EVENT BUDGET: $0  (0%)", "YEARLY BASE BUDGET: $12,000  (100%)",
         "OPPORTUNITY BUDGET: $0 (0%)"},
        // Fractions that reach the page from a typed text: halves go up.
        {"28.5", "60.5", "11", "SPECIAL EVENT BUDGET: $7,260  (61%)", "YEARLY BASE BUDGET: $3,420  (29%)",
         "OPPORTUNITY BUDGET: $1,320 (11%)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        ProposalInputs plan = FloristsPlan();
        plan.base = c.base;
        plan.events = c.events;
        plan.opportunity = c.opportunity;
        const PageRecord page = RecordProposal(plan);
        EXPECT_TRUE(FindText(page, c.eventsText));
        EXPECT_TRUE(FindText(page, c.baseText));
        EXPECT_TRUE(FindText(page, c.opportunityText));
    }
}

TEST(ProposalTotals, TableListsEveryColumnWithItsMoney) {
    ProposalInputs plan = FloristsPlan();
    plan.startMonthIndex = 10;
    plan.year = "2018";
    const PageRecord page = RecordProposal(plan);

    const auto heading = FindText(page, "MONTHLY TOTALS");
    ASSERT_TRUE(heading);
    EXPECT_FLOAT_EQ(heading->x, 4.25f);
    EXPECT_FLOAT_EQ(heading->y, 8.4f);
    EXPECT_EQ(heading->font, (PageFont{"Arial", 11, 17}));

    for (float x0 : {0.5f, 4.5f}) {
        EXPECT_EQ(TextsAt(page, x0 + 1.25f, 8.7f), std::vector<std::string>{"BASE"});
        EXPECT_EQ(TextsAt(page, x0 + 2.1f, 8.7f), std::vector<std::string>{"EVENTS"});
        EXPECT_EQ(TextsAt(page, x0 + 3.0f, 8.7f), std::vector<std::string>{"TOTAL"});
    }

    struct Row {
        const char *label, *events, *total;
    };
    // November 2018 onward: December, February, April and May carry Events money.
    const Row rows[12] = {
        {"NOV '18", "$0", "$500"},       {"DEC '18", "$1,705", "$2,205"}, {"JAN '19", "$0", "$500"},
        {"FEB '19", "$821", "$1,321"},   {"MAR '19", "$0", "$500"},       {"APR '19", "$126", "$626"},
        {"MAY '19", "$2,147", "$2,647"}, {"JUN '19", "$0", "$500"},       {"JUL '19", "$0", "$500"},
        {"AUG '19", "$0", "$500"},       {"SEP '19", "$0", "$500"},       {"OCT '19", "$0", "$500"},
    };
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(rows[k].label);
        const float x0 = k < 6 ? 0.5f : 4.5f, xe = k < 6 ? 4.0f : 8.0f;
        const float y = 8.918f + 0.168f * static_cast<float>(k % 6);
        const auto label = TextsAt(page, x0 + 0.05f, y - 0.05f);
        ASSERT_EQ(label, std::vector<std::string>{rows[k].label});
        EXPECT_EQ(FindText(page, rows[k].label)->align, TextAlign::Centre) << "the chart label comes first";
        EXPECT_EQ(TextsAt(page, x0 + 1.61f, y - 0.05f), std::vector<std::string>{"$500"});
        EXPECT_EQ(TextsAt(page, x0 + 2.45f, y - 0.05f), std::vector<std::string>{rows[k].events});
        EXPECT_EQ(TextsAt(page, xe - 0.05f, y - 0.05f), std::vector<std::string>{rows[k].total});
    }
}

TEST(ProposalTotals, BoxesHaveFramesColumnRulesAndRowRules) {
    const PageRecord page = RecordProposal(FloristsPlan());
    for (auto [left, right] : {std::pair{0.5f, 4.0f}, std::pair{4.5f, 8.0f}}) {
        bool frame = false;
        for (const PageRect& rect : Rects(page))
            frame |= rect.left == left && rect.right == right && rect.top == 8.75f && rect.bottom == 9.758f &&
                     rect.width == 1 && rect.line == kPageBlack;
        EXPECT_TRUE(frame) << left;
        int columnRules = 0, rowRules = 0;
        for (const PageLine& line : Lines(page)) {
            if (line.width != 0) continue;
            const bool vertical = line.x1 == line.x2 && line.y1 == 8.75f && line.y2 == 9.758f;
            if (vertical && line.x1 > left && line.x1 < right) ++columnRules;
            if (line.y1 == line.y2 && line.x1 == left && line.x2 == right) {
                ++rowRules;
                EXPECT_LT(line.y1, 9.75f) << "the frame closes the last row";
            }
        }
        EXPECT_EQ(columnRules, 3) << left;
        EXPECT_EQ(rowRules, 5) << left;
    }
}

TEST(ProposalTotals, SummaryAddsUpTheTableAndTheOpportunity) {
    struct Case {
        const char* budget;
        const char *base, *events, *opportunity, *grand;
    };
    const Case cases[] = {
        {"$12,000", "$6,000", "$4,800", "$1,200", "$12,000"},
        // $1,000 at 50%: twelve months of $41.67 make $500.04, shown as $500; the grand total
        // is the sum of the rounded months.
        {"$1,000", "$500", "$400", "$100", "$1,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.budget);
        ProposalInputs plan = FloristsPlan();
        plan.budget = c.budget;
        const PageRecord page = RecordProposal(plan);
        const char* captions[] = {"BASE BUDGET:", "EVENTS BUDGET:", "OPPORTUNITY BUDGET:", "GRAND TOTAL:"};
        const char* amounts[] = {c.base, c.events, c.opportunity, c.grand};
        for (int n = 1; n <= 4; ++n) {
            const float y = 9.758f + 0.168f * static_cast<float>(n);
            const auto caption = FindText(page, captions[n - 1]);
            ASSERT_TRUE(caption) << captions[n - 1];
            EXPECT_NEAR(caption->y, y, kPlaces);
            EXPECT_FLOAT_EQ(caption->x, 4.25f);
            EXPECT_EQ(caption->align, TextAlign::Right);
            EXPECT_EQ(TextsAt(page, 5.0f, y), std::vector<std::string>{amounts[n - 1]}) << captions[n - 1];
        }
        EXPECT_NEAR(9.758f + 0.168f * 4, 10.43f, kPlaces);
    }
}

TEST(ProposalTotals, GrandTotalCountsTheMonthsThatGotMoney) {
    // January and July without a percentage get no Base money: the grand total falls short of
    // the budget by their two months.
    ProposalInputs plan = FloristsPlan();
    plan.months[0] = "0";
    plan.months[6] = "";
    const PageRecord page = RecordProposal(plan);
    const float grandY = 9.758f + 0.168f * 4;
    EXPECT_EQ(TextsAt(page, 5.0f, 9.758f + 0.168f), std::vector<std::string>{"$5,000"});
    EXPECT_EQ(TextsAt(page, 5.0f, grandY), std::vector<std::string>{"$11,000"});
}

} // namespace
