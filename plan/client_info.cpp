// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/client_info.h"

#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/toolkit/ez.h"
#include "dates/date_pickers.h"
#include "dates/dates.h"
#include "dates/today.h"
#include "msgbox/message_dialog.h"
#include "plan/money.h"
#include "plan/number_text.h"
#include "plan/plan_fields.h"
#include "plan/plan_file.h"
#include "plan/plan_state.h"
#include "plan/planner_fields.h"
#include "prefs/options.h"

namespace {

constexpr const char* kForm = "QM";
constexpr const char* kInfo = "Info";
constexpr int32_t kTotal = 220, kClient = 225, kStation = 230, kSalesrep = 235, kDate = 240,
                  kStartMonth = 245, kYear = 250, kBudget = 255, kRate = 260, kProfile = 265;

const std::string& File() {
    return Paths().settingsFile;
}
std::string Read(const char* key, const char* fallback) {
    return GETINI(File(), kInfo, key, fallback);
}
void Write(const char* key, const std::string& value) {
    PutIni(File(), kInfo, key, StoredPlanText(value));
}

// A list's item with the text, or the first item when the list no longer has one.
int32_t ItemOrFirst(int32_t id, const std::string& text) {
    const int32_t index = EZ_FINDNEXT(kForm, id, text, 0);
    return index < 0 ? 0 : index;
}

void RestoreMoney(int32_t id, const std::string& text) {
    const auto value = MoneyFromText(text);
    if (value && *value > 0)
        EZ_SETTEXT(kForm, id, FormatMoney(*value, kCentsMoneyMask, Prefs().CurrencyOption));
}

std::string TodayMonthName() {
    const CivilDate today = Today();
    return JulianToText(JulianFromDate(today.month, today.day, today.year), 1);
}

} // namespace

std::vector<std::pair<std::string, std::string>> ClientInfoOnWindow() {
    const int currency = Prefs().CurrencyOption;
    const BudgetRatios& r = Plan().ratios;
    return {{"Client", EZ_GETTEXT(kForm, kClient)},
            {"Station", EZ_GETTEXT(kForm, kStation)},
            {"Salesrep", EZ_GETTEXT(kForm, kSalesrep)},
            {"PresentDate", IntegerText(GETDT(kForm, kDate))},
            {"StartMonth", EZ_GETTEXT(kForm, kStartMonth)},
            {"Year", IntegerText(GETDT(kForm, kYear))},
            {"Budget", PlainMoneyText(kForm, kBudget, currency)},
            {"Rate", PlainMoneyText(kForm, kRate, currency)},
            {"Profile", EZ_GETTEXT(kForm, kProfile)},
            {"Opportunity", IntegerText(r.Opportunity)},
            {"MaxValue", IntegerText(r.MaxValue)},
            {"CurrValue", IntegerText(r.CurrValue)}};
}

void SaveClientInfo() {
    for (const auto& [key, value] : ClientInfoOnWindow())
        Write(key.c_str(), value);
}

void ShowClientInfo(const ClientInfoReader& read) {
    EZ_SETTEXT(kForm, kClient, read("Client", ""));
    EZ_SETTEXT(kForm, kStation, read("Station", ""));
    EZ_SETTEXT(kForm, kSalesrep, read("Salesrep", ""));
    SETDT(kForm, kDate, LeadingInteger(read("PresentDate", "0")));
    EZ_SELECTITEM(kForm, kStartMonth, ItemOrFirst(kStartMonth, read("StartMonth", "January")));
    SETDT(kForm, kYear, LeadingInteger(read("Year", "0")));
    RestoreMoney(kBudget, read("Budget", "0"));
    RestoreMoney(kRate, read("Rate", "0"));
    PlanState& plan = Plan();
    plan.ProfileIndex = ItemOrFirst(kProfile, read("Profile", "None"));
    EZ_SELECTITEM(kForm, kProfile, plan.ProfileIndex);
    plan.ratios.Opportunity = LeadingInteger(read("Opportunity", "10"));
    plan.ratios.MaxValue = LeadingInteger(read("MaxValue", "90"));
    plan.ratios.CurrValue = LeadingInteger(read("CurrValue", "65"));
}

void RestoreClientInfo() {
    ShowClientInfo(Read);
}

void ClearPlan() {
    const bool clearClient = OptionOn(kClearClient);
    const std::string leadIn = clearClient ? "Both Client Information and" : "Only the";
    const int32_t answer =
        ASKUSER("Clear Profile", "Are you SURE you want to clear this profile?{f10}",
                leadIn + " Business Profile will be removed.{f6}", "", "*{G,f7}|&Yes|&No", 2);
    if (answer == 1) ClearPlanFields();
}

void ClearPlanFields() {
    if (OptionOn(kClearClient)) {
        for (int32_t id : {kClient, kStation, kSalesrep, kBudget, kRate})
            EZ_SETTEXT(kForm, id, "");
        SETDT(kForm, kDate, 0);
        EZ_SELECTITEM(kForm, kStartMonth, ItemOrFirst(kStartMonth, TodayMonthName()));
        SETDT(kForm, kYear, 0);
    }
    Plan().ProfileIndex = 0;
    EZ_SELECTITEM(kForm, kProfile, 0);
    ShowProfileMonths();
    EZ_SETTEXT(kForm, kTotal, "0.0");
    UpdateProfileCommands(0);
}
