// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal options dialog "PO": the switches of the options word, the currency and the default
// Budget Allocation ratios. ShowOptionsDialog (app/shell/commands.h) opens it; its design step
// and event routine are DesignOptionsDialog and OptionsDialogEvents (app/shell/forms.h).
//
// Save stores the switches and the ratios and closes; a currency chosen here is taken over on
// Save, the planner's Budget and Avg Rate re-shown in it, and kept for the next start. Cancel
// closes without saving and without asking. Closing the window any other way asks whether to
// save while there are unsaved changes.
#include "prefs/default_ratios.h"

#include <cstdint>

// What the dialog keeps while it is open.
struct OptionsDialogState {
    DefaultRatios loaded;          // the ratios of the settings file when the dialog opened
    int32_t currencyAtOpening = 0; // the currency that the planner's money fields are shown in
    int32_t pendingCurrency = 0;   // the currency chosen in the dialog
};
OptionsDialogState& OptionsDialog();

// The dialog's loaded event: the boxes from the options word, the currency radio, the ratios of
// the settings file, the F1 accelerator; Save disabled.
void InitOptionsDialog();
// When a ratio field is left: the ratios limited (Opportunity 0 to 100, Base 0 to what it
// leaves) and shown when they differ from the loaded pair; Events always shows the rest of 100.
void NormalizeRatios();
// Takes the dialog's state over into the options word and the currency, and stores the switches,
// the currency and the limited default ratios in the settings file as one write. Save is disabled
// afterwards. When the file cannot be written the user is told, Save stays enabled and false is
// returned.
bool SavePreferences();
