// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message dialog on its own in a small program of its own (pictures, the frame probe): the
// program's fonts and the dialog's design step and events, with an optional form of the caller's.
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "msgbox/message_dialog.h"

#include <string>

inline void InstallDialogAlone(EzDesignCallback otherForms = {}) {
    // The fonts the program registers at start.
    EZ_DEFFONT(6, "Segoe UI", 9.0F, "");
    EZ_DEFFONT(7, "Segoe UI", 9.0F, "B");
    EZ_DEFFONT(10, "Segoe UI", 10.0F, "B");
    eztest::Install(
        [](const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
            if (form == kMessageDialogForm) MessageDialogEvents(form, id, message, value, cancel);
        },
        [otherForms](const std::string& form) {
            if (form == kMessageDialogForm)
                DesignMessageDialog(form);
            else if (otherForms)
                otherForms(form);
        });
}
