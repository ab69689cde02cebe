// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal.h"

#include "report/page_layer.h"
#include "tests/report/page_capture.h"
#include "tests/report/proposal_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool IsBar(const PageRect& rect) {
    return std::fabs(rect.bottom - 7.0f) < kPlaces && rect.width == 0;
}

std::optional<PageRect> BarOf(const PageRecord& page, int k) {
    for (const PageRect& rect : RectsAround(page, ColumnX(k), 0.25f))
        if (IsBar(rect)) return rect;
    return std::nullopt;
}

// The column's white percentage tag and its text.
std::optional<PageRect> TagOf(const PageRecord& page, int k) {
    const auto tags = RectsAround(page, ColumnX(k), 0.17f);
    if (tags.empty()) return std::nullopt;
    return tags.front();
}

TEST(ProposalHeadline, NamesClientPresenterAndDateWithTheirFonts) {
    const PageRecord page = RecordProposal(FloristsPlan());
    EXPECT_EQ(page.title, "Quillmark");

    const auto headline = FindText(page, "Yearly Proposal for Bloom & Petal Florists");
    ASSERT_TRUE(headline);
    EXPECT_FLOAT_EQ(headline->x, 4.25f);
    EXPECT_FLOAT_EQ(headline->y, 0.5f);
    EXPECT_EQ(headline->align, TextAlign::Centre);
    EXPECT_EQ(headline->font, (PageFont{"Arial", 12, 17}));

    const auto presenter = FindText(page, "Presented by: Pat Ortega, WQMK 101.5");
    ASSERT_TRUE(presenter);
    EXPECT_FLOAT_EQ(presenter->y, 0.7f);
    EXPECT_EQ(presenter->font, (PageFont{"Arial", 10, 17}));

    const auto date = FindText(page, "Presented: 11-05-2018");
    ASSERT_TRUE(date);
    EXPECT_FLOAT_EQ(date->x, 8.0f);
    EXPECT_EQ(date->align, TextAlign::Right);
    EXPECT_EQ(date->font, (PageFont{"Arial", 9, 16})) << "the only regular text";

    const auto budget = FindText(page, "TOTAL BUDGET: $12,000");
    ASSERT_TRUE(budget);
    EXPECT_FLOAT_EQ(budget->x, 0.5f);
    EXPECT_FLOAT_EQ(budget->y, 0.85f);
    EXPECT_EQ(budget->align, TextAlign::Left);
    EXPECT_EQ(budget->font, (PageFont{"Arial", 10, 17}));
}

TEST(ProposalHeadline, OpportunityHeadingJoinsItsPercentWithOneBlank) {
    ProposalInputs plan = FloristsPlan();
    plan.base = "40";
    plan.events = "31";
    plan.opportunity = "29";
    const PageRecord page = RecordProposal(plan);
    const auto heading = FindText(page, "OPPORTUNITY BUDGET: $3,480 (29%)");
    ASSERT_TRUE(heading);
    EXPECT_FLOAT_EQ(heading->x, 8.0f);
    EXPECT_FLOAT_EQ(heading->y, 0.85f);
    EXPECT_EQ(heading->align, TextAlign::Right);
}

TEST(ProposalHeadline, ShowsMoneyInTheChosenCurrency) {
    ProposalInputs plan = FloristsPlan();
    plan.currency = 1;
    plan.budget = "\x80"
                  "12.000";
    plan.rate = "\x80"
                "50";
    const PageRecord page = RecordProposal(plan);
    EXPECT_TRUE(FindText(page, "TOTAL BUDGET: \x80"
                               "12.000"));
    EXPECT_TRUE(FindText(page, "OPPORTUNITY BUDGET: \x80"
                               "1.200 (10%)"));
    EXPECT_TRUE(FindText(page, "\x80"
                               "2.147"))
        << "May's Events money";
}

TEST(ProposalChart, FrameAndAverageLineFollowTheTallestMonth) {
    const PageRecord page = RecordProposal(FloristsPlan());
    const std::vector<PageRect> rects = Rects(page);
    ASSERT_FALSE(rects.empty());
    const PageRect& frame = rects.front();
    EXPECT_FLOAT_EQ(frame.left, 0.5f);
    EXPECT_FLOAT_EQ(frame.top, 0.9f);
    EXPECT_FLOAT_EQ(frame.right, 8.0f);
    EXPECT_FLOAT_EQ(frame.bottom, 7.0f);
    EXPECT_EQ(frame.width, 2);

    const PageLine average = Lines(page).front();
    EXPECT_FLOAT_EQ(average.x1, 0.5f);
    EXPECT_FLOAT_EQ(average.x2, 7.98f);
    EXPECT_NEAR(average.y1, 7 - 8.3 * 5 / 11.7, kPlaces);
    EXPECT_EQ(average.y1, average.y2);
    EXPECT_EQ(average.width, 2);

    const auto may = BarOf(page, 5);
    ASSERT_TRUE(may);
    EXPECT_NEAR(may->top, 2.0f, kPlaces) << "the tallest bar is 5 inches";
}

TEST(ProposalChart, TallestBarReachesTwoInchesWhateverItsPercent) {
    for (const char* tallest : {"11.7", "30.0", "99.0"}) {
        ProposalInputs plan = FloristsPlan();
        plan.months[2] = tallest;
        const PageRecord page = RecordProposal(plan);
        const auto march = BarOf(page, 3);
        ASSERT_TRUE(march) << tallest;
        EXPECT_NEAR(march->top, 2.0f, kPlaces) << tallest;
        const auto january = BarOf(page, 1);
        ASSERT_TRUE(january);
        EXPECT_NEAR(january->top, 7 - 6.5 * 5 / std::atof(tallest), kPlaces) << tallest;
        EXPECT_NEAR(Lines(page).front().y1, 7 - 8.3 * 5 / std::atof(tallest), kPlaces) << tallest;
    }
}

TEST(ProposalChart, ColumnsStandAtTheirPlacesWithLabelsAndTags) {
    const PageRecord page = RecordProposal(FloristsPlan());
    EXPECT_NEAR(ColumnX(1), 0.84f, kPlaces);
    EXPECT_NEAR(ColumnX(12), 7.66f, kPlaces);
    const char* percents[] = {"6.5%", "9.6%", "7.7%", "8.5%", "11.7%", "8.1%",
                              "7.0%", "7.0%", "7.5%", "7.9%", "7.5%",  "11.0%"};
    for (int k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        const float x = ColumnX(k);
        const auto bar = BarOf(page, k);
        ASSERT_TRUE(bar);
        const auto tag = TagOf(page, k);
        ASSERT_TRUE(tag);
        EXPECT_NEAR(tag->top, bar->top + 0.15f, kPlaces);
        EXPECT_NEAR(tag->bottom, bar->top + 0.35f, kPlaces);
        EXPECT_EQ(tag->fill, kPageWhite);
        EXPECT_EQ(tag->line, kPageWhite);
        const auto tagText = TextsAt(page, x, bar->top + 0.29f);
        ASSERT_EQ(tagText.size(), 1u);
        EXPECT_EQ(tagText[0], percents[k - 1]);
        EXPECT_EQ(TextsAt(page, x, 7.15f).size(), 1u) << "the month label";
    }
}

TEST(ProposalChart, LabelsRunFromTheStartMonthAndWrapTheYear) {
    struct Case {
        int startMonthIndex;
        const char* year;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {10,
         "2018",
         {"NOV '18", "DEC '18", "JAN '19", "FEB '19", "MAR '19", "APR '19", "MAY '19", "JUN '19", "JUL '19",
          "AUG '19", "SEP '19", "OCT '19"}},
        {0,
         "2019",
         {"JAN '19", "FEB '19", "MAR '19", "APR '19", "MAY '19", "JUN '19", "JUL '19", "AUG '19", "SEP '19",
          "OCT '19", "NOV '19", "DEC '19"}},
        {11,
         "2008",
         {"DEC '08", "JAN '09", "FEB '09", "MAR '09", "APR '09", "MAY '09", "JUN '09", "JUL '09", "AUG '09",
          "SEP '09", "OCT '09", "NOV '09"}},
        // The year grows past two digits rather than wrapping to '00.
        {11,
         "2099",
         {"DEC '99", "JAN '100", "FEB '100", "MAR '100", "APR '100", "MAY '100", "JUN '100", "JUL '100",
          "AUG '100", "SEP '100", "OCT '100", "NOV '100"}},
        // Nothing selected in the month box starts in January.
        {-1,
         "2019",
         {"JAN '19", "FEB '19", "MAR '19", "APR '19", "MAY '19", "JUN '19", "JUL '19", "AUG '19", "SEP '19",
          "OCT '19", "NOV '19", "DEC '19"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        ProposalInputs plan = FloristsPlan();
        plan.startMonthIndex = c.startMonthIndex;
        plan.year = c.year;
        const PageRecord page = RecordProposal(plan);
        for (int k = 1; k <= 12; ++k) {
            const auto label = FindText(page, c.labels[static_cast<size_t>(k - 1)]);
            ASSERT_TRUE(label) << c.labels[static_cast<size_t>(k - 1)];
            EXPECT_NEAR(label->x, ColumnX(k), kPlaces);
            EXPECT_FLOAT_EQ(label->y, 7.15f);
            EXPECT_EQ(label->align, TextAlign::Centre);
            EXPECT_EQ(label->font, (PageFont{"Arial", 9, 17}));
        }
    }
}

TEST(ProposalChart, ColumnsShowTheStartMonthsPercentages) {
    ProposalInputs plan = FloristsPlan();
    plan.startMonthIndex = 10; // November first: 7.5, 11.0, then January's 6.5
    const PageRecord page = RecordProposal(plan);
    for (auto [k, percent] : {std::pair{1, 7.5}, std::pair{2, 11.0}, std::pair{3, 6.5}, std::pair{7, 11.7}}) {
        const auto bar = BarOf(page, k);
        ASSERT_TRUE(bar) << k;
        EXPECT_NEAR(bar->top, 7 - percent * 5 / 11.7, kPlaces) << k;
    }
}

TEST(ProposalChart, OnlyMonthsAboveTheAverageGetTheFirstColourAndEventsMoney) {
    struct Case {
        bool monoChart;
        PageColour above, other;
    };
    for (const Case& c : {Case{false, kPageRed, kPageBlue}, Case{true, kPageBlack, kPageGrey}}) {
        SCOPED_TRACE(c.monoChart);
        ProposalInputs plan = FloristsPlan();
        plan.monoChart = c.monoChart;
        plan.months[0] = "8.3";
        plan.months[1] = "8.31";
        const PageRecord page = RecordProposal(plan);

        const auto exactlyAverage = BarOf(page, 1);
        const auto justAbove = BarOf(page, 2);
        ASSERT_TRUE(exactlyAverage && justAbove);
        EXPECT_EQ(exactlyAverage->fill, c.other);
        EXPECT_EQ(justAbove->fill, c.above);
        EXPECT_EQ(exactlyAverage->line, kPageBlack);
        EXPECT_EQ(BarOf(page, 3)->fill, c.other) << "7.7";
        EXPECT_EQ(BarOf(page, 5)->fill, c.above) << "11.7";

        // The Events box sits above the bar; the exact-average month has none.
        auto eventsBoxOf = [&](int k, float top) {
            std::optional<PageRect> box;
            for (const PageRect& rect : RectsAround(page, ColumnX(k), 0.25f))
                if (std::fabs(rect.bottom - (top - 0.1f)) < kPlaces) box = rect;
            return box;
        };
        EXPECT_FALSE(eventsBoxOf(1, exactlyAverage->top));
        const auto box = eventsBoxOf(2, justAbove->top);
        ASSERT_TRUE(box);
        EXPECT_NEAR(box->top, justAbove->top - 0.4f, kPlaces);
        EXPECT_EQ(box->fill, kPageWhite);
        EXPECT_EQ(box->line, kPageBlack);
        // 40% of $12,000 over an excess of 0.01 + 0.2 + 3.4 + 2.7 points (February 8.31, April,
        // May, December): 0.01 × $4,800 / 6.31 is $7.61.
        EXPECT_EQ(TextsAt(page, ColumnX(2), justAbove->top - 0.27f), std::vector<std::string>{"$8"});
        EXPECT_EQ(TextsAt(page, ColumnX(2), justAbove->top - 0.14f), std::vector<std::string>{" ads"})
            << "$8 buys no $50 ad";
    }
}

TEST(ProposalChart, MonthWithoutPercentGetsItsLabelAndNothingElse) {
    for (const char* nothing : {"0", "", "0.0", "abc", "-2.0"}) {
        SCOPED_TRACE(nothing);
        ProposalInputs plan = FloristsPlan();
        plan.months[2] = nothing; // March, column 3
        const PageRecord page = RecordProposal(plan);
        const float x = ColumnX(3);
        EXPECT_TRUE(RectsAround(page, x, 0.25f).empty()) << "no bar, no boxes";
        EXPECT_TRUE(RectsAround(page, x, 0.17f).empty()) << "no tag";
        for (const PageText& text : Texts(page)) {
            if (std::fabs(text.x - x) < kPlaces) {
                EXPECT_EQ(text.text, "MAR '19") << "nothing but the label at y " << text.y;
            }
        }
        // Its table row shows zero amounts, and its Base money is missing from the summary.
        EXPECT_EQ(TextsAt(page, 0.5f + 1.61f, 9.254f - 0.05f), std::vector<std::string>{"$0"});
        EXPECT_EQ(TextsAt(page, 4.0f - 0.05f, 9.254f - 0.05f), std::vector<std::string>{"$0"});
        EXPECT_TRUE(FindText(page, "$5,500")) << "BASE BUDGET of eleven months";
    }
}

TEST(ProposalChart, BaseBoxesShowMonthlyMoneyAndAds) {
    const PageRecord page = RecordProposal(FloristsPlan());
    for (int k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        const float x = ColumnX(k);
        std::optional<PageRect> box;
        for (const PageRect& rect : RectsAround(page, x, 0.25f))
            if (std::fabs(rect.top - 7.27f) < kPlaces) box = rect;
        ASSERT_TRUE(box);
        EXPECT_NEAR(box->bottom, 7.64f, kPlaces);
        EXPECT_EQ(box->width, 1);
        EXPECT_EQ(TextsAt(page, x, 7.42f), std::vector<std::string>{"$500"});
        EXPECT_EQ(TextsAt(page, x, 7.57f), std::vector<std::string>{"11 ads"}) << "500 / 50 + 0.9 = 10.9";
    }
}

TEST(ProposalChart, EventsBoxesShowEachMonthsShareAndAds) {
    const PageRecord page = RecordProposal(FloristsPlan());
    // $4,800 over an excess of 7.6 points: February 1.3, April 0.2, May 3.4, December 2.7.
    struct Case {
        int k;
        const char* money;
        const char* ads;
    };
    for (const Case& c : {Case{2, "$821", "16 ads"}, Case{4, "$126", "2 ads"}, Case{5, "$2,147", "42 ads"},
                          Case{12, "$1,705", "34 ads"}}) {
        SCOPED_TRACE(c.k);
        const auto bar = BarOf(page, c.k);
        ASSERT_TRUE(bar);
        EXPECT_EQ(TextsAt(page, ColumnX(c.k), bar->top - 0.27f), std::vector<std::string>{c.money});
        EXPECT_EQ(TextsAt(page, ColumnX(c.k), bar->top - 0.14f), std::vector<std::string>{c.ads});
    }
    EXPECT_TRUE(TextsAt(page, ColumnX(1), BarOf(page, 1)->top - 0.27f).empty()) << "6.5 gets no Events box";
}

TEST(ProposalChart, BaseAdsRoundTheCountPlusNineTenths) {
    // Base 100% of the budget over twelve months at $50 an ad.
    struct Case {
        const char* budget;
        const char* ads; // month base ÷ rate
    };
    for (const Case& c : {Case{"$2,400", "5 ads"},    // 4 + 0.9 = 4.9
                          Case{"$2,100", "4 ads"},    // 3.5 + 0.9 = 4.4
                          Case{"$2,220", "5 ads"},    // 3.7 + 0.9 = 4.6
                          Case{"$1,740", "4 ads"},    // 2.9 + 0.9 = 3.8
                          Case{"$3,000", "6 ads"}}) { // 5 + 0.9 = 5.9
        SCOPED_TRACE(c.budget);
        ProposalInputs plan = FloristsPlan();
        plan.budget = c.budget;
        plan.base = "100";
        plan.events = "0";
        plan.opportunity = "0";
        const PageRecord page = RecordProposal(plan);
        EXPECT_EQ(TextsAt(page, ColumnX(1), 7.57f), std::vector<std::string>{c.ads});
        EXPECT_EQ(TextsAt(page, ColumnX(12), 7.57f), std::vector<std::string>{c.ads});
    }
}

TEST(ProposalChart, WithoutARateTheBoxesAreShortAndCountNoAds) {
    for (const char* noRate : {"", "$0", "abc"}) {
        SCOPED_TRACE(noRate);
        ProposalInputs plan = FloristsPlan();
        plan.rate = noRate;
        const PageRecord page = RecordProposal(plan);
        for (const PageText& text : Texts(page))
            EXPECT_EQ(text.text.find("ads"), std::string::npos) << text.text;
        for (int k = 1; k <= 12; ++k) {
            std::optional<PageRect> baseBox;
            for (const PageRect& rect : RectsAround(page, ColumnX(k), 0.25f))
                if (std::fabs(rect.top - 7.27f) < kPlaces) baseBox = rect;
            ASSERT_TRUE(baseBox) << k;
            EXPECT_NEAR(baseBox->bottom, 7.47f, kPlaces);
            EXPECT_EQ(TextsAt(page, ColumnX(k), 7.42f), std::vector<std::string>{"$500"});
        }
        const auto may = BarOf(page, 5);
        ASSERT_TRUE(may);
        bool shortEventsBox = false;
        for (const PageRect& rect : RectsAround(page, ColumnX(5), 0.25f))
            if (std::fabs(rect.top - (may->top - 0.3f)) < kPlaces &&
                std::fabs(rect.bottom - (may->top - 0.1f)) < kPlaces)
                shortEventsBox = true;
        EXPECT_TRUE(shortEventsBox);
        EXPECT_EQ(TextsAt(page, ColumnX(5), may->top - 0.15f), std::vector<std::string>{"$2,147"});
    }
}

TEST(ProposalChart, RateBelowHalfAUnitCountsBaseAdsButNoEventsAds) {
    ProposalInputs plan = FloristsPlan();
    plan.rate = "0.40";
    const PageRecord page = RecordProposal(plan);
    EXPECT_EQ(TextsAt(page, ColumnX(1), 7.57f), std::vector<std::string>{"1251 ads"}) << "500 / 0.4 + 0.9";
    const auto may = BarOf(page, 5);
    ASSERT_TRUE(may);
    EXPECT_EQ(TextsAt(page, ColumnX(5), may->top - 0.27f), std::vector<std::string>{"$2,147"});
    EXPECT_EQ(TextsAt(page, ColumnX(5), may->top - 0.14f), std::vector<std::string>{" ads"});
}

TEST(ProposalChart, WithoutBaseThereAreNoMonthBoxesButTheEventsLegendKeepsItsShare) {
    ProposalInputs plan = FloristsPlan();
    plan.base = "0";
    plan.events = "90";
    const PageRecord page = RecordProposal(plan);
    for (int k = 1; k <= 12; ++k) {
        const auto boxes = RectsAround(page, ColumnX(k), 0.25f);
        ASSERT_EQ(boxes.size(), 1u) << "only the bar of column " << k;
        EXPECT_TRUE(IsBar(boxes[0]));
    }
    EXPECT_TRUE(FindText(page, "SPECIAL EVENT BUDGET: $10,800  (90%)"));
    EXPECT_TRUE(FindText(page, "YEARLY BASE BUDGET: $0  (0%)"));
    for (int row = 0; row < 6; ++row)
        for (float x0 : {0.5f, 4.5f}) {
            const float y = 8.918f + 0.168f * static_cast<float>(row) - 0.05f;
            EXPECT_EQ(TextsAt(page, x0 + 1.61f, y), std::vector<std::string>{"$0"});
            EXPECT_EQ(TextsAt(page, x0 + 2.45f, y), std::vector<std::string>{"$0"});
        }
}

TEST(ProposalChart, LaterDrawingCoversTheLinesAndBarsUnderIt) {
    const PageRecord page = RecordProposal(FloristsPlan());
    auto indexOf = [&](auto&& matches) {
        for (size_t i = 0; i < page.operations.size(); ++i)
            if (matches(page.operations[i])) return static_cast<long>(i);
        return -1L;
    };
    auto rectAt = [](float left, float top) {
        return [=](const PageOperation& op) {
            const auto* rect = std::get_if<PageRect>(&op);
            return rect && std::fabs(rect->left - left) < kPlaces && std::fabs(rect->top - top) < kPlaces;
        };
    };
    auto textIs = [](const char* prefix) {
        return [=](const PageOperation& op) {
            const auto* text = std::get_if<PageText>(&op);
            return text && text->text.rfind(prefix, 0) == 0;
        };
    };
    const auto may = BarOf(page, 5);
    ASSERT_TRUE(may);
    const long frame = indexOf(rectAt(0.5f, 0.9f));
    const long mayBar = indexOf(rectAt(ColumnX(5) - 0.25f, may->top));
    const long mayTag = indexOf(rectAt(ColumnX(5) - 0.17f, may->top + 0.15f));
    const long mayTagText = indexOf(textIs("11.7%"));
    const long eventsCaptionBackground = indexOf(rectAt(2.75f, 0.95f));
    const long eventsCaption = indexOf(textIs("SPECIAL EVENT BUDGET:"));
    const long baseCaptionBackground = indexOf(rectAt(2.75f, 7.7f));
    ASSERT_GE(frame, 0);
    EXPECT_LT(frame, mayBar);
    EXPECT_LT(mayBar, mayTag);
    EXPECT_LT(mayTag, mayTagText);
    EXPECT_LT(mayTagText, eventsCaptionBackground);
    EXPECT_LT(eventsCaptionBackground, eventsCaption);
    EXPECT_LT(eventsCaption, baseCaptionBackground);
}

TEST(ProposalChart, PlanWithoutPercentagesStillGivesAWellDefinedPage) {
    ProposalInputs plan = FloristsPlan();
    plan.months = {};
    const PageRecord page = RecordProposal(plan);
    for (const PageLine& line : Lines(page))
        EXPECT_TRUE(std::isfinite(line.y1) && std::isfinite(line.y2));
    for (const PageRect& rect : Rects(page))
        EXPECT_TRUE(std::isfinite(rect.top) && std::isfinite(rect.bottom));
    EXPECT_TRUE(FindText(page, "GRAND TOTAL:"));
    EXPECT_TRUE(FindText(page, "JAN '19"));
}

TEST(Proposal, DrawsNothingWhenThePageCannotBeStarted) {
    SetPageSink({});
    EXPECT_FALSE(BuildProposal(FloristsPlan()));
}

} // namespace
