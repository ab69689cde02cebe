// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the options dialog and the station dialog do alike: their keys, their help and the
// question when the frame closes them with unsaved changes.
#include <cstdint>
#include <string>

// Escape does nothing, Enter moves on as Tab does.
void TranslateDialogKey(int32_t& value);

// Opens the help page of a context number.
void OpenDialogHelp(int32_t topic);

// The close request of a dialog with a Save button: asks whether to save while there are
// unsaved changes. Yes saves (a save that fails, told by `save`, keeps the dialog), No closes
// without saving; Cancel, and a question put away with Escape or its frame, keep the dialog and
// its changes (`cancel` set).
void AnswerCloseRequest(const std::string& form, int32_t saveButton, bool (*save)(), int32_t& cancel);
