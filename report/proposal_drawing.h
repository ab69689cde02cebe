// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces of the proposal page, drawn in this order on an open page description.
#include "report/proposal_figures.h"
#include "report/station_page.h"

#include <array>
#include <cstdint>
#include <string>

// What the chart leaves for the totals table, one entry per chart column.
struct ProposalColumn {
    std::string label; // "NOV '18"
    Money base = 0;    // 0 when the column got no Base box
    Money events = 0;  // 0 when the column got no Events box
};
using ProposalColumns = std::array<ProposalColumn, 12>;

// The headline, the chart frame, the average line and the two budget headings. The two
// headline lines stay centred and clear of anything left of `clearFrom` (the logo).
void DrawHeadline(std::int16_t doc, const ProposalFigures& figures, float clearFrom);
// The twelve columns from the start month: labels, bars, percentage tags, Base and Events boxes.
ProposalColumns DrawColumns(std::int16_t doc, const ProposalFigures& figures);
// The Events bracket over the chart and the Base bracket under the month boxes.
void DrawLegends(std::int16_t doc, const ProposalFigures& figures);
// Where the headline must begin at the earliest: right of the logo, or the page's left margin.
float HeadlineClearFrom(const StationOnPage& station);
// The logo and the footer line, each only when there is one.
void DrawStation(std::int16_t doc, const StationOnPage& station);
// The "MONTHLY TOTALS" table and the summary under it.
void DrawMonthlyTotals(std::int16_t doc, const ProposalFigures& figures, const ProposalColumns& columns);

// Shared by the pieces: every font of the page is Arial; 17 is the emphasised style.
inline constexpr int kEmphasised = 17;
inline constexpr int kPlain = 16;
void SelectFont(std::int16_t doc, float points, int style = kEmphasised);
// The page font of that size and style, for measuring texts before they are drawn.
PageFont PageFontOf(float points, int style = kEmphasised);
// Money as the page shows it: currency symbol, whole units, thousands separators.
std::string MoneyText(const ProposalFigures& figures, Money value);
// " (29%)" style: the whole percentage of a ratio after the given opening.
std::string PercentInParentheses(const char* opening, float ratio);
