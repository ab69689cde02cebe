// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's save: the options word, the currency and the settings file.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner_ids.h"
#include "app/toolkit/ez.h"
#include "plan/number_text.h"
#include "msgbox/markup_literal.h"
#include "msgbox/message_dialog.h"
#include "plan/plan_fields.h"
#include "prefs/default_ratios.h"
#include "prefs/options_dialog.h"
#include "prefs/options_layout.h"

using namespace po;

namespace {

// A check state counts by its lowest bit (1 ticked); negating a number keeps that bit.
bool Ticked(int32_t id) {
    return (EZ_GETCHECK(kForm, id) & 1) != 0;
}

void TakeOverSwitches() {
    uint32_t& flags = Prefs().OptionFlags;
    for (const SwitchBox& box : SwitchBoxes()) {
        if (Ticked(box.id))
            flags |= box.bit;
        else
            flags &= ~static_cast<uint32_t>(box.bit);
    }
}

// The planner's money fields are shown in the currency of the dialog's opening; they are re-shown
// in the new one, Budget first.
void TakeOverCurrency() {
    OptionsDialogState& dialog = OptionsDialog();
    const int32_t old = dialog.currencyAtOpening;
    const int32_t chosen = dialog.pendingCurrency;
    Prefs().CurrencyOption = chosen;
    if (chosen == old) return;
    ConvertMoneyField(qm::kForm, qm::kBudget, old, chosen);
    ConvertMoneyField(qm::kForm, qm::kRate, old, chosen);
    dialog.currencyAtOpening = chosen; // a second save must not convert the fields again
}

} // namespace

bool SavePreferences() {
    // Saving by a key (Alt+S, Enter) does not leave the ratio field first: the limits that leaving
    // it applies are applied here, so every way of saving stores the same values.
    NormalizeRatios();
    TakeOverSwitches();
    TakeOverCurrency();
    const DefaultRatios ratios = LimitRatios(EZ_GETTEXT(kForm, kOpportunity), EZ_GETTEXT(kForm, kBase));

    const std::string& file = Paths().settingsFile;
    SettingsBatch batch(file);
    for (const SwitchBox& box : SwitchBoxes())
        PutIni(file, "Options", OptionKey(box.bit), OptionOn(box.bit) ? "1" : "0");
    PutIni(file, "Options", "Currency", IntegerText(Prefs().CurrencyOption));
    PutIni(file, "Default", "Opportunity", IntegerText(ratios.opportunity));
    PutIni(file, "Default", "MaxValue", IntegerText(100 - static_cast<int64_t>(ratios.opportunity)));
    PutIni(file, "Default", "CurrValue", IntegerText(ratios.base));
    if (!batch.Commit()) {
        // The options stay in force for this run; the dialog stays open so the user may try again.
        ShowNotice("Options Not Saved",
                   "The options could not be written to " + MarkupLiteral(file + ": " + batch.Reason()) + ".{f7}",
                   "They apply until the program ends. The file on disk is unchanged.{f6}");
        return false;
    }
    EZ_DISABLEC(kForm, kSave);
    return true;
}
