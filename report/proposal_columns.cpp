// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_layer.h"
#include "report/proposal_drawing.h"
#include "report/proposal_fit.h"

#include "plan/number_text.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 12> kMonthAbbreviations = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                  "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

constexpr float kFirstColumnX = 0.84f, kColumnStep = 0.62f;
constexpr float kHalfBar = 0.25f, kHalfTag = 0.17f;
constexpr float kChartBottom = 7.0f;
// The frame's bottom line is 2 points wide, centred on the chart's bottom.
constexpr float kFrameHalfWidth = 1.0f / 72.0f;
constexpr float kLabelY = 7.15f;
constexpr float kTextPoints = 9;
// The Base box under the chart: tall enough for an ads line when there is a rate.
constexpr float kBaseBoxTop = 7.27f, kBaseBoxBottomWithAds = 7.64f, kBaseBoxBottom = 7.47f;
constexpr float kBaseMoneyY = 7.42f, kBaseAdsY = 7.57f;
// The Events box over the bar: its top above the bar's top, with and without an ads line.
constexpr float kEventsBoxRiseWithAds = 0.4f, kEventsBoxRise = 0.3f;
// The room for a text in a Base or Events box: the box less a little on either side.
constexpr float kBoxSpace = 2 * kHalfBar - 0.04f;
// The percentage tag lies from 0.15 to 0.35 below its anchor, its text's baseline at 0.29: the
// anchor is the bar's top, or for a bar too short to hold the tag a point just above the bar
// (or above its Events box).
constexpr float kTagTop = 0.15f, kTagBottom = 0.35f, kTagBaseline = 0.29f, kTagLift = 0.03f;

// What one column shows, worked out before anything is drawn so that the texts of one kind can
// share a size.
struct ColumnPlan {
    float x = 0;
    std::string label;
    float percent = 0;
    float top = 0;
    bool bar = false, baseBox = false, eventsBox = false;
    Money events = 0;
    std::string eventsMoney, eventsAds;
};

// The sizes of the box texts; the designed 9 points wherever they fit.
struct BoxTextSizes {
    float baseMoney, baseAds, eventsMoney, eventsAds;
};

std::string EventsAdsText(const ProposalFigures& f, Money amount) {
    // A rate below half a unit buys no countable ads: the line shows no count.
    const std::optional<std::int64_t> ads = EventsAds(amount, f.rate);
    return (ads ? FormatNumber(*ads, "#") : std::string()) + " ads";
}

std::string BaseAdsText(const ProposalFigures& f) {
    return IntegerText(f.baseAds) + " ads";
}

std::array<ColumnPlan, 12> PlanColumns(const ProposalFigures& f) {
    std::array<ColumnPlan, 12> plans;
    int month = f.startMonth;
    int year = f.twoDigitYear;
    for (size_t k = 0; k < plans.size(); ++k) {
        ColumnPlan& c = plans[k];
        c.x = kFirstColumnX + kColumnStep * static_cast<float>(k);
        c.label =
            std::string(kMonthAbbreviations[static_cast<size_t>(month - 1)]) + FormatNumber(year, " \\'00");
        c.percent = f.percent[static_cast<size_t>(month - 1)];
        if (++month > 12) {
            month = 1;
            ++year;
        }
        c.bar = c.percent > 0;
        if (!c.bar) continue;
        c.top = kChartBottom - f.scale * c.percent;
        c.baseBox = f.monthBase > 0;
        c.eventsBox = c.baseBox && c.percent > kAverageMonthPercent;
        if (!c.eventsBox) continue;
        c.events = EventsAmount(f, c.percent);
        c.eventsMoney = MoneyText(f, c.events);
        if (f.rate > 0) c.eventsAds = EventsAdsText(f, c.events);
    }
    return plans;
}

BoxTextSizes SizeBoxTexts(const ProposalFigures& f, const std::array<ColumnPlan, 12>& plans) {
    const PageFont font = PageFontOf(kTextPoints);
    std::vector<TextInSpace> eventsMoney, eventsAds;
    for (const ColumnPlan& c : plans) {
        if (!c.eventsBox) continue;
        eventsMoney.push_back({c.eventsMoney, kBoxSpace});
        eventsAds.push_back({c.eventsAds, kBoxSpace});
    }
    return {FitNumberSize(MoneyText(f, f.monthBase), font, kBoxSpace),
            FitNumberSize(BaseAdsText(f), font, kBoxSpace), FitNumbersSize(eventsMoney, font),
            FitNumbersSize(eventsAds, font)};
}

void DrawBar(std::int16_t doc, const ProposalFigures& f, const ColumnPlan& c) {
    const PageColour fill = c.percent > kAverageMonthPercent ? f.colourAbove : f.colourOther;
    dpRect(doc, c.x - kHalfBar, c.top, c.x + kHalfBar, kChartBottom, 0, fill, kPageBlack);
    // Inside the bar when the bar holds it clear of the frame's bottom line; else just above
    // whatever stands on the column, so that it never covers the frame or the month's label.
    float anchor = c.top;
    if (c.top + kTagBottom > kChartBottom - kFrameHalfWidth) {
        float standsOn = c.top;
        if (c.eventsBox) standsOn -= f.rate > 0 ? kEventsBoxRiseWithAds : kEventsBoxRise;
        anchor = standsOn - kTagLift - kTagBottom;
    }
    dpRect(doc, c.x - kHalfTag, anchor + kTagTop, c.x + kHalfTag, anchor + kTagBottom, 0, kPageWhite,
           kPageWhite);
    dpText(doc, c.x, anchor + kTagBaseline, 1, FormatNumber(c.percent, "0.0\\%"));
}

void DrawBaseBox(std::int16_t doc, const ProposalFigures& f, const BoxTextSizes& sizes, float x) {
    if (f.rate > 0) {
        dpRect(doc, x - kHalfBar, kBaseBoxTop, x + kHalfBar, kBaseBoxBottomWithAds, 1, kPageWhite,
               kPageBlack);
        SelectFont(doc, sizes.baseAds);
        dpText(doc, x, kBaseAdsY, 1, BaseAdsText(f));
    } else {
        dpRect(doc, x - kHalfBar, kBaseBoxTop, x + kHalfBar, kBaseBoxBottom, 1, kPageWhite, kPageBlack);
    }
    SelectFont(doc, sizes.baseMoney);
    dpText(doc, x, kBaseMoneyY, 1, MoneyText(f, f.monthBase));
}

void DrawEventsBox(std::int16_t doc, const ProposalFigures& f, const BoxTextSizes& sizes,
                   const ColumnPlan& c) {
    const float x = c.x, top = c.top;
    if (f.rate > 0) {
        dpRect(doc, x - kHalfBar, top - kEventsBoxRiseWithAds, x + kHalfBar, top - 0.1f, 0, kPageWhite,
               kPageBlack);
        SelectFont(doc, sizes.eventsMoney);
        dpText(doc, x, top - 0.27f, 1, c.eventsMoney);
        SelectFont(doc, sizes.eventsAds);
        dpText(doc, x, top - 0.14f, 1, c.eventsAds);
    } else {
        dpRect(doc, x - kHalfBar, top - kEventsBoxRise, x + kHalfBar, top - 0.1f, 0, kPageWhite, kPageBlack);
        SelectFont(doc, sizes.eventsMoney);
        dpText(doc, x, top - 0.15f, 1, c.eventsMoney);
    }
}

} // namespace

ProposalColumns DrawColumns(std::int16_t doc, const ProposalFigures& f) {
    const std::array<ColumnPlan, 12> plans = PlanColumns(f);
    const BoxTextSizes sizes = SizeBoxTexts(f, plans);
    ProposalColumns columns;
    for (size_t k = 0; k < plans.size(); ++k) {
        const ColumnPlan& c = plans[k];
        ProposalColumn& column = columns[k];
        SelectFont(doc, kTextPoints);
        column.label = c.label;
        dpText(doc, c.x, kLabelY, 1, c.label);
        if (!c.bar) continue;
        DrawBar(doc, f, c);
        if (!c.baseBox) continue;
        DrawBaseBox(doc, f, sizes, c.x);
        column.base = f.monthBase;
        if (!c.eventsBox) continue;
        DrawEventsBox(doc, f, sizes, c);
        column.events = c.events;
    }
    return columns;
}
