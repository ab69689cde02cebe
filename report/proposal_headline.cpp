// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_layer.h"
#include "report/page_text_width.h"
#include "report/proposal_drawing.h"
#include "report/proposal_fit.h"

#include <algorithm>

namespace {
constexpr float kCentre = 4.25f, kLeftEdge = 0.5f, kRightEdge = 8.0f;
constexpr float kChartTop = 0.9f, kChartBottom = 7.0f;
constexpr float kAverageLineEnd = 7.98f;
constexpr float kHeadlinePoints = 12, kPresenterPoints = 10, kDatePoints = 9, kBudgetPoints = 10;

// The headline stays centred, clear of what lies left of it and of the presentation date at the
// right of its line.
float HeadlineSpace(const std::string& date, float clearFrom) {
    const float dateLeft = kRightEdge - TextWidthInches(date, PageFontOf(kDatePoints, kPlain));
    return 2 * std::min(kCentre - clearFrom, dateLeft - kTextGap - kCentre);
}

void DrawFitted(std::int16_t doc, float x, float y, int alignment, const FittedLine& line) {
    SelectFont(doc, line.points);
    dpText(doc, x, y, alignment, line.text);
}

} // namespace

void DrawHeadline(std::int16_t doc, const ProposalFigures& f, float clearFrom) {
    clearFrom = std::max(clearFrom, kLeftEdge);
    const std::string date = "Presented: " + f.presentationDate;
    DrawFitted(doc, kCentre, 0.5f, 1,
               FitLineWithNames({{"Yearly Proposal for "}, {f.client, true}}, PageFontOf(kHeadlinePoints),
                                HeadlineSpace(date, clearFrom)));
    DrawFitted(doc, kCentre, 0.7f, 1,
               FitLineWithNames({{"Presented by: "}, {f.salesrep, true}, {", "}, {f.station, true}},
                                PageFontOf(kPresenterPoints), 2 * (kCentre - clearFrom)));
    SelectFont(doc, kDatePoints, kPlain);
    dpText(doc, kRightEdge, 0.5f, 2, date);

    dpRect(doc, kLeftEdge, kChartTop, kRightEdge, kChartBottom, 2, kPageWhite, kPageBlack);
    const float averageY = kChartBottom - f.scale * kAverageMonthPercent;
    dpLine(doc, kLeftEdge, averageY, kAverageLineEnd, averageY, 2, kPageBlack);

    // The two headings share their line: they shrink together until both fit side by side.
    const std::string total = "TOTAL BUDGET: " + MoneyText(f, f.budget);
    const std::string opportunity = "OPPORTUNITY BUDGET: " + MoneyText(f, f.opportunityAmount) +
                                    PercentInParentheses(" (", f.opportunityRatio);
    SelectFont(doc, FitNumberSize(total + opportunity, PageFontOf(kBudgetPoints),
                                  kRightEdge - kLeftEdge - kTextGap));
    dpText(doc, kLeftEdge, 0.85f, 0, total);
    dpText(doc, kRightEdge, 0.85f, 2, opportunity);
}
