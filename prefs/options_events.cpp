// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's event routing and its handlers.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/shell/planner.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "prefs/options_dialog.h"
#include "prefs/options_layout.h"

using namespace po;

namespace {

constexpr int32_t kHelpContextCommand = 15;

void OpenHelp(int32_t topic) {
    int32_t command = kHelpContextCommand;
    GETHELP(command, topic);
}

// Escape does nothing, Enter moves on as Tab does.
void TranslateKey(int32_t& value) {
    if (value == kEzKeyEscape)
        value = 0;
    else if (value == kEzKeyEnter)
        value = kEzKeyTab;
}

void OnCloseRequest(int32_t& cancel) {
    switch (ConfirmSaveOnExit(kForm, kSave)) {
    case 1:
        if (!SavePreferences()) cancel = 1; // told; the dialog stays with the changes
        break;
    case 2:
        break; // No, or nothing to save: close without saving
    default:
        // Cancel, and a question put away with Escape or its frame, keep the dialog and its changes.
        cancel = 1;
        break;
    }
}

void FormEvents(int32_t id, int32_t message, int32_t& cancel) {
    if (id == kHelpCommand && message == kEzClick) return OpenHelp(PlannerShell().helpContext);
    if (id != 0) return;
    if (message == kEzLoaded)
        InitOptionsDialog();
    else if (message == kEzClose)
        OnCloseRequest(cancel);
}

// The seven check boxes and the three currency radios.
void SwitchEvents(int32_t id, int32_t message, int32_t& value) {
    if (message == kEzKey) return TranslateKey(value);
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
        TranslateKey(value);
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
    if (message == kEzKey) return TranslateKey(value);
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
        OpenHelp(kHelpTopic);
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
