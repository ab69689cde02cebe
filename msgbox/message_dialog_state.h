// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the open message dialog knows: the caller's strings and the answer so far. One dialog is
// open at a time; the next one overwrites this.
#include <climits>
#include <cstdint>
#include <string>

struct MessageDialogState {
    std::string parent, title, text1, text2, checkText, buttons, picture, options;
    int32_t defaultButton = 0; // signed: a negative default checks the box at first
    // The caller's default until the dialog has started, then kAnswerPending, then the answer.
    int32_t result = 0;
    // The button that gets the focus back after a click on the checkbox: the default button at
    // first, then the button that last had the focus.
    int32_t focusReturnButton = 0;
};

MessageDialogState& MessageDialog();

// The default's button number without its sign (the sign is the checkbox's initial state).
constexpr int32_t DefaultButtonNumber(int32_t defaultButton) {
    if (defaultButton == INT32_MIN) return INT32_MAX;
    return defaultButton < 0 ? -defaultButton : defaultButton;
}

// The result while the dialog is shown and not yet answered.
inline constexpr int32_t kAnswerPending = 1000;

// The dialog's controls.
inline constexpr int32_t kPictureId = 4;
inline constexpr int32_t kText1Id = 5;
inline constexpr int32_t kText2Id = 6;
inline constexpr int32_t kCheckBoxId = 10;
inline constexpr int32_t kMaxButtons = 10;
constexpr int32_t ButtonId(int32_t button) {
    return kCheckBoxId + button;
} // button 1 is control 11

// Where each button's drawing attributes are kept with the form (user-data slots).
constexpr int32_t FaceSlot(int32_t button) {
    return 10 + button;
}
constexpr int32_t TextColourSlot(int32_t button) {
    return 30 + button;
}
constexpr int32_t FontSlot(int32_t button) {
    return 50 + button;
}
constexpr int32_t StyleSlot(int32_t button) {
    return 60 + button;
}
