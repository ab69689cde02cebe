// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog's event routine: the answer by button, Enter, Escape or the window frame,
// the focus at the start and after a click on the checkbox, and the owner-drawn buttons.
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"

namespace {

bool isButton(int32_t id) {
    return id >= ButtonId(1) && id <= ButtonId(kMaxButtons);
}

// An answer negated when the checkbox is checked at this moment.
int32_t signedAnswer(const std::string& form, int32_t answer) {
    return EZ_GETCHECK(form, kCheckBoxId) != 0 ? -answer : answer;
}

void answer(const std::string& form, int32_t value) {
    MessageDialog().result = signedAnswer(form, value);
    EZ_UNLOADFORM(form);
}

void onKey(const std::string& form, int32_t& key) {
    if (key == kEzKeyEscape) {
        key = 0;
        answer(form, kDialogDismissed);
    } else if (key == kEzKeyEnter) {
        // Enter chooses the button that has the focus; on the checkbox it does nothing.
        const int32_t button = EZ_GETFOCUSID() - kCheckBoxId;
        if (button <= 0) return;
        key = 0;
        answer(form, button);
    }
}

void onStarted(const std::string& form) {
    MessageDialogState& dialog = MessageDialog();
    const int32_t button = DefaultButtonNumber(dialog.defaultButton);
    // With no default (or none of that number) the form itself holds the focus: Enter answers nothing until
    // the user moves to a button, and Escape still dismisses.
    const bool exists = button >= 1 && button <= kMaxButtons && EZ_ISCONTROL(form, ButtonId(button), "") != 0;
    EZ_SETFOCUS(form, exists ? ButtonId(button) : 0);
    dialog.result = kAnswerPending;
    EZ_SETDEPTH(form, 0, "F");
}

void drawButton(const std::string& form, int32_t id, int32_t drawHandle) {
    const int32_t button = id - kCheckBoxId;
    const int32_t face = EZ_GETUSERDATA(form, FaceSlot(button));
    const int32_t text = EZ_GETUSERDATA(form, TextColourSlot(button));
    const int32_t font = EZ_GETUSERDATA(form, FontSlot(button));
    switch (EZ_GETUSERDATA(form, StyleSlot(button))) {
    case 3:
        EZ_DRAW3DBUTTON(form, id, drawHandle, face, text, font);
        break;
    case 4:
        EZ_DRAW3DBUTTONRR(form, id, drawHandle, face, text, font);
        break;
    case 5:
        EZ_DRAW3DBUTTONE(form, id, drawHandle, face, text, font);
        break;
    default:
        EZ_DRAWCOLORBUTTON(form, id, drawHandle, face, text, font);
        break;
    }
}

} // namespace

void MessageDialogEvents(const std::string& form, int32_t id, int32_t message, int32_t& value,
                         int32_t& /*cancel*/) {
    MessageDialogState& dialog = MessageDialog();
    switch (message) {
    case kEzKey:
        onKey(form, value);
        break;
    case kEzClose:
        // A frame close before any answer dismisses the dialog; after an answer it keeps it.
        if (id == 0 && dialog.result == kAnswerPending) dialog.result = signedAnswer(form, kDialogDismissed);
        break;
    case kEzStarted:
        if (id == 0) onStarted(form);
        break;
    case kEzClick:
        if (id == kCheckBoxId && dialog.focusReturnButton >= 1 && dialog.focusReturnButton <= kMaxButtons)
            EZ_SETFOCUS(form, ButtonId(dialog.focusReturnButton));
        if (isButton(id)) answer(form, id - kCheckBoxId);
        break;
    case kEzOwnerDraw:
        if (isButton(id)) drawButton(form, id, value);
        break;
    case kEzGotFocus:
        if (isButton(id)) dialog.focusReturnButton = id - kCheckBoxId;
        break;
    default:
        break;
    }
}
