// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_layer.h"
#include "report/proposal_drawing.h"
#include "report/proposal_fit.h"

#include <utility>
#include <vector>

namespace {

// One of the two boxes of six months side by side.
struct TotalsBox {
    float left, right;
    std::array<float, 3> columnRules;
    size_t firstColumn; // the chart column shown in its first row
};

constexpr std::array<TotalsBox, 2> kBoxes = {{
    {0.5f, 4.0f, {1.25f, 2.125f, 3.0f}, 0},
    {4.5f, 8.0f, {5.25f, 6.125f, 7.0f}, 6},
}};
constexpr size_t kRowsPerBox = 6;
constexpr float kBoxTop = 8.75f, kBoxBottom = 9.758f;
constexpr float kFirstRowLineY = 8.918f, kRowStep = 0.168f;
constexpr float kHeadingY = 8.7f;
constexpr float kCentre = 4.25f;

constexpr float kTextPoints = 9;
// A row's texts: the label from the left edge, the amounts right-aligned, each in its column
// (between the rules at left + 0.75, left + 1.625 and left + 2.5).
constexpr float kLabelInset = 0.05f, kBaseRight = 1.61f, kEventsRight = 2.45f, kTotalInset = 0.05f;
constexpr float kBaseSpace = kBaseRight - 0.75f - kTextGap;
constexpr float kEventsSpace = kEventsRight - 1.625f - kTextGap;
constexpr float kTotalSpace = 3.5f - kTotalInset - 2.5f - kTextGap;

// The summary lines stand below the boxes, one row step apart.
constexpr float kSummaryCaptionX = 4.25f, kSummaryAmountX = 5.0f;
constexpr float kSummaryAmountSpace = kSummaryAmountX - kSummaryCaptionX - kTextGap;

void DrawBoxes(std::int16_t doc) {
    for (const TotalsBox& box : kBoxes) {
        dpRect(doc, box.left, kBoxTop, box.right, kBoxBottom, 1, kPageWhite, kPageBlack);
        for (float x : box.columnRules)
            dpLine(doc, x, kBoxTop, x, kBoxBottom, 0, kPageBlack);
    }
}

void DrawHeadings(std::int16_t doc) {
    for (const TotalsBox& box : kBoxes) {
        dpText(doc, box.left + 1.25f, kHeadingY, 1, "BASE");
        dpText(doc, box.left + 2.1f, kHeadingY, 1, "EVENTS");
        dpText(doc, box.left + 3.0f, kHeadingY, 1, "TOTAL");
    }
}

// One size for every amount of the table: the one that the widest of them needs in its column.
float AmountsSize(const ProposalFigures& f, const ProposalColumns& columns) {
    std::vector<TextInSpace> amounts;
    for (const ProposalColumn& column : columns) {
        amounts.push_back({MoneyText(f, column.base), kBaseSpace});
        amounts.push_back({MoneyText(f, column.events), kEventsSpace});
        amounts.push_back({MoneyText(f, column.base + column.events), kTotalSpace});
    }
    return FitNumbersSize(amounts, PageFontOf(kTextPoints));
}

void DrawRow(std::int16_t doc, const ProposalFigures& f, const TotalsBox& box, size_t row,
             const ProposalColumn& column, float amountsPoints) {
    const float y = kFirstRowLineY + kRowStep * static_cast<float>(row);
    // The box's frame closes the last row.
    if (row + 1 < kRowsPerBox) dpLine(doc, box.left, y, box.right, y, 0, kPageBlack);
    const float textY = y - 0.05f;
    SelectFont(doc, kTextPoints);
    dpText(doc, box.left + kLabelInset, textY, 0, column.label);
    SelectFont(doc, amountsPoints);
    dpText(doc, box.left + kBaseRight, textY, 2, MoneyText(f, column.base));
    dpText(doc, box.left + kEventsRight, textY, 2, MoneyText(f, column.events));
    dpText(doc, box.right - kTotalInset, textY, 2, MoneyText(f, column.base + column.events));
}

} // namespace

void DrawMonthlyTotals(std::int16_t doc, const ProposalFigures& f, const ProposalColumns& columns) {
    SelectFont(doc, 11);
    dpText(doc, kCentre, 8.4f, 1, "MONTHLY TOTALS");
    DrawBoxes(doc);
    SelectFont(doc, kTextPoints);
    DrawHeadings(doc);
    const float amountsPoints = AmountsSize(f, columns);

    Money baseTotal = 0, eventsTotal = 0;
    for (const TotalsBox& box : kBoxes)
        for (size_t row = 0; row < kRowsPerBox; ++row) {
            const ProposalColumn& column = columns[box.firstColumn + row];
            DrawRow(doc, f, box, row, column, amountsPoints);
            baseTotal += column.base;
            eventsTotal += column.events;
        }

    const std::array<std::pair<const char*, Money>, 4> summary = {{
        {"BASE BUDGET:", baseTotal},
        {"EVENTS BUDGET:", eventsTotal},
        {"OPPORTUNITY BUDGET:", f.opportunityAmount},
        {"GRAND TOTAL:", eventsTotal + baseTotal + f.opportunityAmount},
    }};
    // The four amounts share one size, the one the widest needs beside its caption.
    std::vector<TextInSpace> amounts;
    for (const auto& [caption, amount] : summary)
        amounts.push_back({MoneyText(f, amount), kSummaryAmountSpace});
    const float summaryPoints = FitNumbersSize(amounts, PageFontOf(kTextPoints));
    for (size_t n = 0; n < summary.size(); ++n) {
        const float y = kBoxBottom + kRowStep * static_cast<float>(n + 1);
        SelectFont(doc, kTextPoints);
        dpText(doc, kSummaryCaptionX, y, 2, summary[n].first);
        SelectFont(doc, summaryPoints);
        dpText(doc, kSummaryAmountX, y, 2, amounts[n].text);
    }
}
