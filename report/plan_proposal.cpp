// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/plan_proposal.h"

#include "dates/dates.h"
#include "dates/today.h"
#include "plan/money.h"
#include "plan/number_text.h"

#include <array>

namespace {

constexpr int32_t kDateText = 6; // MM-DD-YYYY
constexpr int32_t kYearText = 3; // YYYY
constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

// A date picker set to the day number: 0 is today.
int32_t PickerDay(const std::string& stored) {
    const int32_t day = LeadingInteger(stored);
    if (day != 0) return day;
    const CivilDate today = Today();
    return JulianFromDate(today.month, today.day, today.year);
}

// A money field as the window restores it: two decimals when above 0; otherwise left empty.
std::string MoneyField(const std::string& stored, int currency) {
    const auto value = MoneyFromText(stored);
    return value && *value > 0 ? FormatMoney(*value, kCentsMoneyMask, currency) : std::string();
}

} // namespace

ProposalInputs ProposalOfPlan(const PlanDocument& plan, bool monoChart) {
    ProposalInputs in;
    in.client = plan.Info("Client");
    in.station = plan.Info("Station");
    in.salesrep = plan.Info("Salesrep");
    in.presentationDate = JulianToText(PickerDay(plan.Info("PresentDate", "0")), kDateText);
    const std::string startMonth = plan.Info("StartMonth", "January");
    in.startMonthIndex = 0; // a month name the list lacks selects its first item
    for (size_t m = 0; m < kMonthNames.size(); ++m)
        if (startMonth == kMonthNames[m]) in.startMonthIndex = static_cast<int>(m);
    in.year = JulianToText(PickerDay(plan.Info("Year", "0")), kYearText);
    in.budget = MoneyField(plan.Info("Budget", "0"), plan.currency);
    in.rate = MoneyField(plan.Info("Rate", "0"), plan.currency);
    in.months = plan.months;
    const int32_t opportunity = LeadingInteger(plan.Info("Opportunity", "10"));
    const int32_t maxValue = LeadingInteger(plan.Info("MaxValue", "90"));
    const int32_t currValue = LeadingInteger(plan.Info("CurrValue", "65"));
    in.base = IntegerText(currValue);
    in.events = IntegerText(static_cast<int64_t>(maxValue) - currValue);
    in.opportunity = IntegerText(opportunity);
    in.currency = plan.currency;
    in.monoChart = monoChart;
    return in;
}
