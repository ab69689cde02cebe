#include "report/page_layer.h"
#include "report/proposal_drawing.h"

namespace {
constexpr float kCentre = 4.25f, kLeftEdge = 0.5f, kRightEdge = 8.0f;
constexpr float kChartTop = 0.9f, kChartBottom = 7.0f;
constexpr float kAverageLineEnd = 7.98f;
} // namespace

void DrawHeadline(std::int16_t doc, const ProposalFigures& f) {
    SelectFont(doc, 12);
    dpText(doc, kCentre, 0.5f, 1, "Yearly Proposal for " + f.client);
    SelectFont(doc, 10);
    dpText(doc, kCentre, 0.7f, 1, "Presented by: " + f.salesrep + ", " + f.station);
    SelectFont(doc, 9, kPlain);
    dpText(doc, kRightEdge, 0.5f, 2, "Presented: " + f.presentationDate);

    dpRect(doc, kLeftEdge, kChartTop, kRightEdge, kChartBottom, 2, kPageWhite, kPageBlack);
    const float averageY = kChartBottom - f.scale * kAverageMonthPercent;
    dpLine(doc, kLeftEdge, averageY, kAverageLineEnd, averageY, 2, kPageBlack);

    SelectFont(doc, 10);
    dpText(doc, kLeftEdge, 0.85f, 0, "TOTAL BUDGET: " + MoneyText(f, f.budget));
    dpText(doc, kRightEdge, 0.85f, 2,
           "OPPORTUNITY BUDGET: " + MoneyText(f, f.opportunityAmount) +
               PercentInParentheses(" (", f.opportunityRatio));
}
