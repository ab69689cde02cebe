// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's event routing and its handlers.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/shell/planner.h"
#include "app/toolkit/ez.h"
#include "prefs/dialog_events.h"
#include "prefs/options_dialog.h"
#include "prefs/options_layout.h"

using namespace po;

namespace {

void FormEvents(int32_t id, int32_t message, int32_t& cancel) {
    if (id == kHelpCommand && message == kEzClick) return OpenDialogHelp(PlannerShell().helpContext);
    if (id != 0) return;
    if (message == kEzLoaded)
        InitOptionsDialog();
    else if (message == kEzClose)
        AnswerCloseRequest(kForm, kSave, SavePreferences, cancel);
}

// The seven check boxes and the three currency radios.
void SwitchEvents(int32_t id, int32_t message, int32_t& value) {
    if (message == kEzKey) return TranslateDialogKey(value);
    if (message != kEzClick) return;
    if (const int32_t currency = CurrencyOfRadio(id); currency >= 0)
        OptionsDialog().pendingCurrency = currency;
    EZ_ENABLEC(kForm, kSave);
}

void RatioFieldEvents(int32_t id, int32_t message, int32_t& value) {
    switch (message) {
    case kEzChange:
        EZ_ENABLEC(kForm, kSave);
        break;
    case kEzGotFocus:
        EZ_SETCOLOR(kForm, id, 0, 25);
        break;
    case kEzLostFocus:
        EZ_SETCOLOR(kForm, id, -1, -1);
        NormalizeRatios();
        break;
    case kEzKey:
        TranslateDialogKey(value);
        break;
    case kEzTooltip:
        if (OptionOn(kTipsOn))
            EZ_SETTOOLTIP(id == kOpportunity ? "Default Opportunity budget (0-100)"
                                             : "Default Base budget (0-100)");
        break;
    default:
        break;
    }
}

void ButtonEvents(int32_t id, int32_t message, int32_t& value) {
    if (message == kEzKey) return TranslateDialogKey(value);
    if (message != kEzClick) return;
    switch (id) {
    case kSave:
        // A save leaves nothing to save, so the close request asks nothing; a failed one was told
        // and keeps the dialog open with the changes.
        if (SavePreferences()) EZ_UNLOADFORM(kForm);
        break;
    case kCancel:
        // Cancel means: leave without saving. With Save disabled there is nothing to ask about.
        EZ_DISABLEC(kForm, kSave);
        EZ_UNLOADFORM(kForm);
        break;
    case kHelp:
        OpenDialogHelp(kHelpTopic);
        break;
    default:
        break;
    }
}

} // namespace

void OptionsDialogEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    // The whole dialog has one help topic, whichever of its controls the user turned to.
    if (message == kEzHelpContext) PlannerShell().helpContext = kHelpTopic;
    if (id >= kMonoChartBox && id <= kPoundRadio) return SwitchEvents(id, message, value);
    if (id == kOpportunity || id == kBase) {
        if (message == kEzTooltip) EZ_SETTOOLTIP("");
        return RatioFieldEvents(id, message, value);
    }
    if (id == kSave || id == kCancel || id == kHelp) return ButtonEvents(id, message, value);
    FormEvents(id, message, cancel);
}
