// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/plan_fields.h"

#include "app/toolkit/ez.h"
#include "plan/field_text.h"
#include "plan/money.h"
#include "prefs/options.h"

namespace {
constexpr const char* kPlanner = "QM";
}

std::string PlainMoneyText(const std::string& form, int32_t id, int currency) {
    return PlainMoneyText(EZ_GETTEXT(form, id), currency);
}

void NormalizeMoneyField(int32_t id) {
    EZ_SETTEXT(kPlanner, id, NormalizeMoneyText(EZ_GETTEXT(kPlanner, id), Prefs().CurrencyOption));
}

void ConvertMoneyField(const std::string& form, int32_t id, int oldCurrency, int newCurrency) {
    EZ_SETTEXT(form, id, ConvertMoneyText(EZ_GETTEXT(form, id), oldCurrency, newCurrency));
}

void NormalizePercentField(int32_t id) {
    EZ_SETTEXT(kPlanner, id, NormalizePercentText(EZ_GETTEXT(kPlanner, id)));
}

void TrimField(const std::string& form, int32_t id) {
    EZ_SETTEXT(form, id, TrimText(EZ_GETTEXT(form, id)));
}
