// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The proposal's figures: the planner's texts read as numbers, and what is derived from them
// once before drawing.
#include "plan/money.h"
#include "report/page_record.h"
#include "report/proposal_inputs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Months above this percentage (about one twelfth of the year) receive Events money and the
// first bar colour; the chart draws it as the average line. Compared in single precision, so
// that a month of exactly 8.3 is not above it.
inline constexpr float kAverageMonthPercent = 8.3f;

struct ProposalFigures {
    std::string client, station, salesrep; // trimmed
    std::string presentationDate;
    int startMonth = 1;   // 1..12
    int twoDigitYear = 0; // grows past 99 when the chart runs into the next century
    Money budget = 0;
    Money rate = 0;
    std::array<float, 12> percent{}; // January ... December
    float baseRatio = 0, eventsRatio = 0, opportunityRatio = 0;
    int currency = 0;

    float maxPercent = 0;
    float scale = 0; // inches per percentage point: the tallest bar is 5 inches
    Money monthBase = 0;
    float excessSum = 0;
    float eventsPerPoint = 0;
    std::int64_t baseAds = 0; // meaningful when rate > 0
    Money opportunityAmount = 0;
    PageColour colourAbove = kPageRed;
    PageColour colourOther = kPageBlue;
};

ProposalFigures DeriveFigures(const ProposalInputs& inputs);

// A share of the budget (ratio × budget) as money.
Money ShareOfBudget(float ratio, Money budget);

// The Events money of a month of `percent`; 0 for a month not above the average.
Money EventsAmount(const ProposalFigures& figures, float percent);

// The whole percentage shown for a ratio: 100 × ratio rounded to the nearest whole number,
// halves up (0.29 shows 29).
int WholePercent(float ratio);

// How many ads of `rate` the events amount buys: both rounded to whole units, the quotient's
// fraction dropped; empty when the rate rounds to no whole unit.
std::optional<std::int64_t> EventsAds(Money eventsAmount, Money rate);
