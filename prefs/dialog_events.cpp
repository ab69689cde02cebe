// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/dialog_events.h"

#include "app/shell/commands.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"

namespace {
constexpr int32_t kHelpContextCommand = 15;
} // namespace

void TranslateDialogKey(int32_t& value) {
    if (value == kEzKeyEscape)
        value = 0;
    else if (value == kEzKeyEnter)
        value = kEzKeyTab;
}

void OpenDialogHelp(int32_t topic) {
    int32_t command = kHelpContextCommand;
    GETHELP(command, topic);
}

void AnswerCloseRequest(const std::string& form, int32_t saveButton, bool (*save)(), int32_t& cancel) {
    switch (ConfirmSaveOnExit(form, saveButton)) {
    case 1:
        if (!save()) cancel = 1; // told; the dialog stays with the changes
        break;
    case 2:
        break; // No, or nothing to save: close without saving
    default:
        cancel = 1;
        break;
    }
}
