// The options dialog's save: the options word, the currency and the settings file.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner_ids.h"
#include "app/toolkit/ez.h"
#include "plan/number_text.h"
#include "plan/plan_fields.h"
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

void SavePreferences() {
    TakeOverSwitches();
    TakeOverCurrency();
    const int32_t opportunity = LeadingInteger(EZ_GETTEXT(kForm, kOpportunity));

    const std::string& file = Paths().settingsFile;
    for (const SwitchBox& box : SwitchBoxes())
        PutIni(file, "Options", OptionKey(box.bit), OptionOn(box.bit) ? "1" : "0");
    PutIni(file, "Options", "Currency", IntegerText(Prefs().CurrencyOption));
    PutIni(file, "Default", "Opportunity", IntegerText(opportunity));
    PutIni(file, "Default", "MaxValue", IntegerText(100 - static_cast<int64_t>(opportunity)));
    PutIni(file, "Default", "CurrValue", EZ_GETTEXT(kForm, kBase));
    EZ_DISABLEC(kForm, kSave);
}
