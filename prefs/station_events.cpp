// SPDX-License-Identifier: GPL-3.0-or-later
// The station dialog's event routing and its handlers.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/shell/planner.h"
#include "app/toolkit/ez.h"
#include "prefs/dialog_events.h"
#include "prefs/station_dialog.h"
#include "prefs/station_layout.h"

using namespace sc;

namespace {

void FieldEvents(int32_t id, int32_t message, int32_t& value) {
    switch (message) {
    case kEzChange:
        KeepFieldOnOneLine(id);
        EZ_ENABLEC(kForm, kSave);
        break;
    case kEzLostFocus:
        if (id == kLogo) ShowLogoPreview();
        break;
    case kEzKey:
        TranslateDialogKey(value);
        break;
    default:
        break;
    }
}

void ButtonEvents(int32_t id, int32_t message, int32_t& value) {
    if (message == kEzKey) return TranslateDialogKey(value);
    if (message != kEzClick) return;
    switch (id) {
    case kBrowse:
        BrowseForLogo();
        break;
    case kSave:
        // A save leaves nothing to save, so the close request asks nothing; a failed one was told
        // and keeps the dialog open with the changes.
        if (SaveStationDialog()) EZ_UNLOADFORM(kForm);
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

void StationDialogEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    // The whole dialog has one help topic, whichever of its controls the user turned to.
    if (message == kEzHelpContext) PlannerShell().helpContext = kHelpTopic;
    if (id == kHelpCommand && message == kEzClick) return OpenDialogHelp(kHelpTopic);
    if (id >= kLogo && id <= kRepPhone && id != kBrowse) return FieldEvents(id, message, value);
    if (id == kBrowse || id == kSave || id == kCancel || id == kHelp) return ButtonEvents(id, message, value);
    if (id != 0) return;
    if (message == kEzLoaded)
        InitStationDialog();
    else if (message == kEzClose)
        AnswerCloseRequest(kForm, kSave, SaveStationDialog, cancel);
}
