#include "report/page_layer.h"
#include "report/proposal_drawing.h"

#include "plan/number_text.h"

#include <string_view>

namespace {

constexpr std::array<std::string_view, 12> kMonthAbbreviations = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                  "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

constexpr float kFirstColumnX = 0.84f, kColumnStep = 0.62f;
constexpr float kHalfBar = 0.25f, kHalfTag = 0.17f;
constexpr float kChartBottom = 7.0f;
constexpr float kLabelY = 7.15f;
// The Base box under the chart: tall enough for an ads line when there is a rate.
constexpr float kBaseBoxTop = 7.27f, kBaseBoxBottomWithAds = 7.64f, kBaseBoxBottom = 7.47f;
constexpr float kBaseMoneyY = 7.42f, kBaseAdsY = 7.57f;

void DrawBar(std::int16_t doc, const ProposalFigures& f, float x, float top, float percent) {
    const PageColour fill = percent > kAverageMonthPercent ? f.colourAbove : f.colourOther;
    dpRect(doc, x - kHalfBar, top, x + kHalfBar, kChartBottom, 0, fill, kPageBlack);
    dpRect(doc, x - kHalfTag, top + 0.15f, x + kHalfTag, top + 0.35f, 0, kPageWhite, kPageWhite);
    dpText(doc, x, top + 0.29f, 1, FormatNumber(percent, "0.0\\%"));
}

void DrawBaseBox(std::int16_t doc, const ProposalFigures& f, float x) {
    if (f.rate > 0) {
        dpRect(doc, x - kHalfBar, kBaseBoxTop, x + kHalfBar, kBaseBoxBottomWithAds, 1, kPageWhite,
               kPageBlack);
        dpText(doc, x, kBaseAdsY, 1, IntegerText(f.baseAds) + " ads");
    } else {
        dpRect(doc, x - kHalfBar, kBaseBoxTop, x + kHalfBar, kBaseBoxBottom, 1, kPageWhite, kPageBlack);
    }
    dpText(doc, x, kBaseMoneyY, 1, MoneyText(f, f.monthBase));
}

void DrawEventsBox(std::int16_t doc, const ProposalFigures& f, float x, float top, Money amount) {
    if (f.rate > 0) {
        dpRect(doc, x - kHalfBar, top - 0.4f, x + kHalfBar, top - 0.1f, 0, kPageWhite, kPageBlack);
        dpText(doc, x, top - 0.27f, 1, MoneyText(f, amount));
        // A rate below half a unit buys no countable ads: the line shows no count.
        const std::optional<std::int64_t> ads = EventsAds(amount, f.rate);
        dpText(doc, x, top - 0.14f, 1, (ads ? FormatNumber(*ads, "#") : std::string()) + " ads");
    } else {
        dpRect(doc, x - kHalfBar, top - 0.3f, x + kHalfBar, top - 0.1f, 0, kPageWhite, kPageBlack);
        dpText(doc, x, top - 0.15f, 1, MoneyText(f, amount));
    }
}

} // namespace

ProposalColumns DrawColumns(std::int16_t doc, const ProposalFigures& f) {
    ProposalColumns columns;
    int month = f.startMonth;
    int year = f.twoDigitYear;
    for (int k = 0; k < 12; ++k) {
        const float x = kFirstColumnX + kColumnStep * static_cast<float>(k);
        ProposalColumn& column = columns[static_cast<size_t>(k)];
        SelectFont(doc, 9);
        column.label =
            std::string(kMonthAbbreviations[static_cast<size_t>(month - 1)]) + FormatNumber(year, " \\'00");
        dpText(doc, x, kLabelY, 1, column.label);

        const float percent = f.percent[static_cast<size_t>(month - 1)];
        if (++month > 12) {
            month = 1;
            ++year;
        }
        if (!(percent > 0)) continue;
        const float top = kChartBottom - f.scale * percent;
        DrawBar(doc, f, x, top, percent);

        if (f.monthBase <= 0) continue;
        DrawBaseBox(doc, f, x);
        column.base = f.monthBase;

        if (percent > kAverageMonthPercent) {
            const Money amount = EventsAmount(f, percent);
            DrawEventsBox(doc, f, x, top, amount);
            column.events = amount;
        }
    }
    return columns;
}
