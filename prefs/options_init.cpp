// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's opening and the ratio fields' normalisation.
#include "app/shell/app_paths.h"
#include "app/toolkit/ez.h"
#include "plan/number_text.h"
#include "prefs/options_dialog.h"
#include "prefs/options_layout.h"

using namespace po;

OptionsDialogState& OptionsDialog() {
    static OptionsDialogState state;
    return state;
}

namespace {

void ShowRatioFields(const DefaultRatios& r) {
    EZ_SETTEXT(kForm, kOpportunity, IntegerText(r.opportunity));
    EZ_SETTEXT(kForm, kBase, IntegerText(r.base));
    EZ_SETTEXT(kForm, kEvents, IntegerText(EventsOf(r)));
}

} // namespace

void InitOptionsDialog() {
    OptionsDialogState& dialog = OptionsDialog();
    for (const SwitchBox& box : SwitchBoxes())
        EZ_SETCHECK(kForm, box.id, OptionOn(box.bit) ? 1 : 0);
    const int32_t currency = Prefs().CurrencyOption;
    for (int32_t option = 0; option <= 2; ++option)
        EZ_SETCHECK(kForm, CurrencyRadio(option), option == currency ? 1 : 0);
    dialog.loaded = LoadDefaultRatios(Paths().settingsFile);
    ShowRatioFields(dialog.loaded);
    dialog.currencyAtOpening = currency;
    dialog.pendingCurrency = currency;
    EZ_DEFACCEL(kForm, "F1," + std::to_string(kHelpCommand));
    EZ_DISABLEC(kForm, kSave);
}

void NormalizeRatios() {
    const DefaultRatios r = LimitRatios(EZ_GETTEXT(kForm, kOpportunity), EZ_GETTEXT(kForm, kBase));
    if (r != OptionsDialog().loaded) {
        ShowRatioFields(r);
        return;
    }
    // Back at the loaded pair: the fields keep what was typed, but Events must follow it too.
    EZ_SETTEXT(kForm, kEvents, IntegerText(EventsOf(r)));
}
