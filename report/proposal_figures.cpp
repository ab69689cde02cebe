// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal_figures.h"

#include "plan/decimal_number.h"
#include "plan/field_text.h"
#include "plan/number_text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr float kTallestBarInches = 5.0f;

Money MoneyFromSingle(float value) {
    return ToScaledInteger(DecimalFromFloat(value), 2).value_or(0);
}

// A money field's text under the currency as Money; 0 when it holds no usable amount.
Money ReadMoney(const std::string& fieldText, int currency) {
    return MoneyFromText(PlainMoneyText(fieldText, currency)).value_or(0);
}

float ReadRatio(const std::string& percentText) {
    return LeadingNumberFloat(percentText) / 100.0f;
}

// The year's last two characters as a number: "2018" gives 18.
int ReadTwoDigitYear(const std::string& yearText) {
    const std::string_view text(yearText);
    return LeadingInteger(text.size() > 2 ? text.substr(text.size() - 2) : text);
}

std::int64_t RoundHalfEven(double value) {
    return ToScaledInteger(DecimalFromDouble(value), 0).value_or(0);
}

} // namespace

Money ShareOfBudget(float ratio, Money budget) {
    return MoneyFromReal(static_cast<double>(ratio) * MoneyToReal(budget)).value_or(0);
}

int WholePercent(float ratio) {
    // On the ratio's decimal digits: 0.285 gives 29, where its binary neighbour 0.28499999...
    // would give 28. The ratio is counted in billionths, 0.005 is added and the whole
    // percentage taken, rounding down.
    constexpr std::int64_t kBillionthsPerPercent = 10'000'000;
    const std::optional<std::int64_t> billionths = ToScaledInteger(DecimalFromFloat(ratio), 9);
    if (!billionths) return 0;
    const std::int64_t shifted = *billionths + kBillionthsPerPercent / 2;
    std::int64_t percent = shifted / kBillionthsPerPercent;
    if (shifted < 0 && shifted % kBillionthsPerPercent != 0) --percent;
    return static_cast<int>(std::clamp<std::int64_t>(percent, INT32_MIN, INT32_MAX));
}

Money EventsAmount(const ProposalFigures& figures, float percent) {
    if (!(percent > kAverageMonthPercent)) return 0;
    return MoneyFromSingle(figures.eventsPerPoint * (percent - kAverageMonthPercent));
}

std::optional<std::int64_t> EventsAds(Money eventsAmount, Money rate) {
    const std::int64_t amountUnits = ToScaledInteger(DecimalFromScaled(eventsAmount, 2), 0).value_or(0);
    const std::int64_t rateUnits = ToScaledInteger(DecimalFromScaled(rate, 2), 0).value_or(0);
    if (rateUnits == 0) return std::nullopt;
    return amountUnits / rateUnits;
}

ProposalFigures DeriveFigures(const ProposalInputs& inputs) {
    ProposalFigures f;
    f.client = TrimText(inputs.client);
    f.station = TrimText(inputs.station);
    f.salesrep = TrimText(inputs.salesrep);
    f.presentationDate = inputs.presentationDate;
    const bool monthSelected = inputs.startMonthIndex >= 0 && inputs.startMonthIndex < 12;
    f.startMonth = monthSelected ? inputs.startMonthIndex + 1 : 1;
    f.twoDigitYear = ReadTwoDigitYear(inputs.year);
    f.currency = inputs.currency;
    f.budget = ReadMoney(inputs.budget, inputs.currency);
    f.rate = ReadMoney(inputs.rate, inputs.currency);
    for (size_t m = 0; m < 12; ++m)
        f.percent[m] = LeadingNumberFloat(inputs.months[m]);
    f.baseRatio = ReadRatio(inputs.base);
    f.eventsRatio = ReadRatio(inputs.events);
    f.opportunityRatio = ReadRatio(inputs.opportunity);

    for (float percent : f.percent) {
        f.maxPercent = std::max(f.maxPercent, percent);
        if (percent > kAverageMonthPercent) f.excessSum += percent - kAverageMonthPercent;
    }
    // Print is offered only for months that total 100, so both are above 0 there; a plan that
    // is not (no month above 0, none above the average) draws no bars and no Events money.
    f.scale = f.maxPercent > 0 ? kTallestBarInches / f.maxPercent : 0.0f;
    f.monthBase = MoneyFromReal(static_cast<double>(f.baseRatio) * MoneyToReal(f.budget) / 12.0).value_or(0);
    if (f.excessSum > 0)
        f.eventsPerPoint = f.eventsRatio * static_cast<float>(MoneyToReal(f.budget)) / f.excessSum;
    if (f.rate > 0) f.baseAds = RoundHalfEven(MoneyToReal(f.monthBase) / MoneyToReal(f.rate) + 0.9);
    f.opportunityAmount = ShareOfBudget(f.opportunityRatio, f.budget);
    if (inputs.monoChart) {
        f.colourAbove = kPageBlack;
        f.colourOther = kPageGrey;
    }
    return f;
}
