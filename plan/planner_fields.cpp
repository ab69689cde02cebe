// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/planner_fields.h"

#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/toolkit/ez.h"
#include "plan/decimal_number.h"
#include "plan/number_text.h"

#include "plan/client_info.h"
#include "plan/plan_fields.h"
#include "plan/plan_state.h"
#include "plan/planner_profiles.h"
#include "prefs/options.h"
#include <algorithm>

namespace {

constexpr const char* kForm = "QM";
constexpr int32_t kTotal = 220, kClient = 225, kStation = 230, kSalesrep = 235, kDate = 240,
                  kStartMonth = 245, kYear = 250, kBudget = 255, kRate = 260, kProfile = 265, kBase = 330,
                  kSlider = 335, kEvents = 340, kOpportunity = 345;

bool IsMonth(int32_t id) {
    return id >= 270 && id <= 325 && id % 5 == 0;
}

// The help topic, the focus colours and the selection option of each field.
struct FieldTraits {
    int32_t topic;
    bool focusColours;
    OptionBit selection; // 0: no selection option
};

FieldTraits TraitsOf(int32_t id) {
    switch (id) {
    case kClient:
    case kStation:
    case kSalesrep:
    case kBudget:
    case kRate:
        return {10, true, kSetSel};
    case kDate:
    case kStartMonth:
    case kYear:
        return {10, false, OptionBit{}};
    case kProfile:
        return {20, false, OptionBit{}};
    case kBase:
    case kOpportunity:
        return {35, true, kSelMonths};
    case kSlider:
        return {35, false, OptionBit{}};
    default:
        return IsMonth(id) ? FieldTraits{20, true, kSelMonths} : FieldTraits{0, false, OptionBit{}};
    }
}

void SetInteger(int32_t id, int32_t value) {
    EZ_SETTEXT(kForm, id, IntegerText(value));
}

int32_t FieldInteger(int32_t id) {
    return LeadingInteger(EZ_GETTEXT(kForm, id));
}

void OnSliderMoved(int32_t position) {
    PlanState& plan = Plan();
    if (plan.sliderToggle) {
        plan.sliderToggle = false;
        return;
    }
    plan.ratios.CurrValue = position;
    SetInteger(kBase, plan.ratios.CurrValue);
    SetInteger(kEvents, plan.ratios.MaxValue - plan.ratios.CurrValue);
    plan.sliderToggle = true;
}

void OnBaseLeft() {
    BudgetRatios& r = Plan().ratios;
    const int32_t n = FieldInteger(kBase);
    const int64_t cap = 100 - static_cast<int64_t>(r.Opportunity);
    r.CurrValue = n > cap ? static_cast<int32_t>(cap) : n;
    ShowRatios();
}

void OnOpportunityLeft() {
    PlanState& plan = Plan();
    if (!plan.opportunityModified) return;
    const int32_t n = FieldInteger(kOpportunity);
    if (n >= 0) {
        BudgetRatios& r = plan.ratios;
        r.Opportunity = n;
        r.MaxValue = static_cast<int32_t>(100 - static_cast<int64_t>(n));
        const int64_t events = FieldInteger(kEvents);
        r.CurrValue =
            static_cast<int32_t>(std::clamp<int64_t>(100 - (r.Opportunity + events), INT32_MIN, INT32_MAX));
        ShowRatios();
    } else {
        SetInteger(kOpportunity, plan.ratios.Opportunity);
    }
    plan.opportunityModified = false;
}

void OnProfileChosen(int32_t index) {
    Plan().ProfileIndex = index;
    ShowProfileMonths();
    RecalcProfileTotal();
    UpdateProfileCommands(Plan().ProfileIndex);
    UpdatePrintState();
}

// What a field does when it is left, after its colours were restored.
void OnLeft(int32_t id) {
    if (id == kClient || id == kStation || id == kSalesrep) {
        TrimField(kForm, id);
        UpdatePrintState();
    } else if (id == kBudget || id == kRate) {
        NormalizeMoneyField(id);
        UpdatePrintState();
    } else if (IsMonth(id)) {
        NormalizePercentField(id);
        RecalcProfileTotal();
    } else if (id == kBase) {
        OnBaseLeft();
    } else if (id == kOpportunity) {
        OnOpportunityLeft();
    }
}

} // namespace

PlanState& Plan() {
    static PlanState state;
    return state;
}

void PlannerFieldEvents(int32_t id, int32_t message, int32_t& value, int32_t& cancel) {
    const FieldTraits traits = TraitsOf(id);
    switch (message) {
    case kEzHelpContext:
        PlannerShell().helpContext = traits.topic;
        break;
    case kEzGotFocus:
        if (traits.focusColours) EZ_SETCOLOR(kForm, id, 0, 25);
        if (id == kClient) EZ_POSTEVENT(kForm, kClient, 1);
        break;
    case kEzLostFocus:
        if (traits.focusColours) EZ_SETCOLOR(kForm, id, -1, -1);
        OnLeft(id);
        break;
    case kEzKey:
        if (id == kSlider) break;
        if (value == kEzKeyEscape)
            value = 0;
        else if (value == kEzKeyEnter)
            value = kEzKeyTab;
        break;
    case kEzChange:
        if (id == kSlider)
            OnSliderMoved(value);
        else if (id == kProfile)
            OnProfileChosen(value);
        else if (id == kOpportunity)
            Plan().opportunityModified = true;
        break;
    case kEzPosted:
        if (id == kClient && OptionOn(kSetSel)) SETSEL(kForm, kClient);
        break;
    case kEzRightClick:
        if (id == kBase || id == kSlider || id == kOpportunity) {
            cancel = 1;
            ResetRatiosToDefault();
        }
        break;
    case kEzTooltip:
        if (id == kBase || id == kOpportunity) EZ_SETTOOLTIP("Right-click to restore default values");
        if (id == kSlider)
            EZ_SETTOOLTIP(
                "Move slider to adjust Base/Opportunity ratios, right-click to reset to default values");
        break;
    default:
        break;
    }
}

void ApplyEditSelection(int32_t id, int32_t editHandle) {
    const OptionBit option = TraitsOf(id).selection;
    if (option == OptionBit{}) return;
    int32_t start = 0, end = 0;
    EZ_GETSELVAL(editHandle, start, end);
    if (OptionOn(option)) EZ_SETSELVAL(editHandle, end, end);
}

void SETSEL(const std::string& form, int32_t id) {
    const auto n = static_cast<int32_t>(EZ_GETTEXT(form, id).size());
    EZ_SENDMESSAGE(form, id, kEmSetSel, n, n);
}

void ShowRatios() {
    const BudgetRatios& r = Plan().ratios;
    const int64_t events = 100 - (static_cast<int64_t>(r.Opportunity) + r.CurrValue);
    SetInteger(kEvents, static_cast<int32_t>(std::clamp<int64_t>(events, 0, INT32_MAX)));
    EZ_SETTBAR(kForm, kSlider, 0, r.MaxValue, r.CurrValue);
    SetInteger(kBase, r.CurrValue);
}

void ResetRatiosToDefault() {
    const std::string& file = Paths().settingsFile;
    BudgetRatios& r = Plan().ratios;
    r.Opportunity = LeadingInteger(GETINI(file, "Default", "Opportunity", "10"));
    r.MaxValue = LeadingInteger(GETINI(file, "Default", "MaxValue", "90"));
    r.CurrValue = LeadingInteger(GETINI(file, "Default", "CurrValue", "65"));
    EZ_SETTBAR(kForm, kSlider, 0, r.MaxValue, r.CurrValue);
    SetInteger(kBase, r.CurrValue);
    SetInteger(kEvents, static_cast<int32_t>(static_cast<int64_t>(r.MaxValue) - r.CurrValue));
    SetInteger(kOpportunity, r.Opportunity);
}

void RecalcProfileTotal() {
    // Ten-thousandths, each partial sum rounded half to even, so that the comparison with 100 is exact.
    // Each month is read to four decimals and the months are added exactly, so the total is 100.0
    // only when the months as shown add up to it.
    // A month too large for the sum is held at the sum's limit with its sign, never taken as 0: the
    // total then shows how far off it is and cannot read 100.0.
    int64_t total = 0;
    for (int32_t id = 270; id <= 325; id += 5) {
        const DecimalNumber number = ReadLeadingNumber(EZ_GETTEXT(kForm, id));
        const auto month = ToScaledInteger(number, 4);
        const int64_t limit = INT64_MAX / 16;
        total += month ? std::clamp<int64_t>(*month, -limit, limit) : (number.negative ? -limit : limit);
    }
    EZ_SETTEXT(kForm, kTotal, FormatNumber(DecimalFromScaled(total, 4), "0.0"));
    UpdateProfileCommands(total == 100 * 10000 ? -1 : 0);
    UpdatePrintState();
}

void InitPlannerPlan(const std::string& settingsFile, const std::string& dataFolder) {
    LoadPlannerProfiles(dataFolder);
    PlanState& plan = Plan();
    if (OptionOn(kRememberClient)) {
        RestoreClientInfo();
    } else {
        plan.ProfileIndex = 0;
        plan.ratios.Opportunity = LeadingInteger(GETINI(settingsFile, "Default", "Opportunity", "10"));
        plan.ratios.MaxValue = LeadingInteger(GETINI(settingsFile, "Default", "MaxValue", "90"));
        plan.ratios.CurrValue = LeadingInteger(GETINI(settingsFile, "Default", "CurrValue", "65"));
        EZ_SELECTITEM(kForm, kProfile, 0);
    }
    ShowProfileMonths();
    UpdateProfileCommands(plan.ProfileIndex);
    RecalcProfileTotal();
    EZ_SETTBAR(kForm, kSlider, 0, plan.ratios.MaxValue, plan.ratios.CurrValue);
    EZ_SETATTR(kForm, kSlider, "TicUnits", 9);
    SetInteger(kBase, plan.ratios.CurrValue);
    SetInteger(kEvents,
               static_cast<int32_t>(static_cast<int64_t>(plan.ratios.MaxValue) - plan.ratios.CurrValue));
    SetInteger(kOpportunity, plan.ratios.Opportunity);
}
