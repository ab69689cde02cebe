// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/plan_window.h"

#include "app/shell/planner_ids.h"
#include "app/toolkit/ez.h"
#include "plan/client_info.h"
#include "plan/number_text.h"
#include "plan/plan_state.h"
#include "plan/planner_fields.h"
#include "plan/planner_profiles.h"
#include "prefs/options.h"

using namespace qm;

namespace {

std::string ShownPercentage(std::string_view text) {
    return FormatNumber(ReadLeadingNumber(text), "0.0");
}

} // namespace

PlanDocument PlanOnWindow() {
    PlanDocument plan;
    plan.info = ClientInfoOnWindow();
    for (auto& [key, value] : plan.info) { // stored without outer spaces
        value.erase(0, value.find_first_not_of(' '));
        value.erase(value.find_last_not_of(' ') + 1);
    }
    plan.profileName = EZ_GETTEXT(kForm, kProfile);
    for (int month = 1; month <= 12; ++month)
        plan.months[static_cast<size_t>(month - 1)] = EZ_GETTEXT(kForm, MonthField(month));
    plan.currency = Prefs().CurrencyOption;
    return plan;
}

PlanProfileMatch MatchPlanProfile(const PlanDocument& plan) {
    const int32_t index = EZ_FINDNEXT(kForm, kProfile, plan.profileName, 0);
    if (index < 0 || index >= kProfileRows) return PlanProfileMatch::NotHere;
    const auto& percentages = Profiles().rows[static_cast<size_t>(index)].percentages;
    for (size_t m = 0; m < plan.months.size(); ++m)
        if (FormatNumber(percentages[m], "0.0") != ShownPercentage(plan.months[m]))
            return PlanProfileMatch::Changed;
    return PlanProfileMatch::Same;
}

void ShowPlanOnWindow(const PlanDocument& plan, bool profileValues) {
    Prefs().CurrencyOption = plan.currency;
    // A money field keeps its text when the plan's amount is 0; the plan's empty field is shown.
    EZ_SETTEXT(kForm, kBudget, "");
    EZ_SETTEXT(kForm, kRate, "");
    ShowClientInfo([&plan](const char* key, const char* fallback) { return plan.Info(key, fallback); });

    PlanState& state = Plan();
    const int32_t index = EZ_FINDNEXT(kForm, kProfile, plan.profileName, 0);
    state.ProfileIndex = index < 0 ? 0 : index;
    EZ_SELECTITEM(kForm, kProfile, state.ProfileIndex);
    ShowProfileMonths();
    if (!profileValues || index < 0)
        for (int month = 1; month <= 12; ++month)
            EZ_SETTEXT(kForm, MonthField(month), plan.months[static_cast<size_t>(month - 1)]);
    RecalcProfileTotal();
    ShowPlanRatios();
}

void ShowPlanRatios() {
    const BudgetRatios& r = Plan().ratios;
    EZ_SETTBAR(kForm, kSlider, 0, r.MaxValue, r.CurrValue);
    EZ_SETTEXT(kForm, kBase, IntegerText(r.CurrValue));
    EZ_SETTEXT(kForm, kEvents, IntegerText(static_cast<int64_t>(r.MaxValue) - r.CurrValue));
    EZ_SETTEXT(kForm, kOpportunity, IntegerText(r.Opportunity));
}
