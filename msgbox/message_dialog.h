// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's modal message and question dialog, described entirely in strings with a small
// inline markup (see dialog_markup.h), and the three ways the program asks through it.
#include "msgbox/markup_literal.h"

#include <cstdint>
#include <string>

// The dialog's form.
inline constexpr const char* kMessageDialogForm = "ZKMSGBOX1";

// Answers besides the button numbers 1 to 10. An answer is negated when the dialog's checkbox
// was checked at that moment.
inline constexpr int32_t kDialogDismissed = 99; // Escape, or closed from its window frame

// Shows the dialog over `parent` and returns the answer once it is unloaded. The number of the
// default button takes the focus when the dialog starts; a negative default also checks the
// checkbox at first; 0 focuses no button. `options` are letters in any order and case:
// C centred texts and buttons, J buttons to the right, W buttons of even width, L large margins,
// F/R/S passed on to the picture.
int32_t MarkupMessageBox(const std::string& parent, const std::string& title, const std::string& text1,
                         const std::string& text2, const std::string& checkText, const std::string& buttons,
                         const std::string& picture, int32_t defaultButton, const std::string& options);

// A centred question over the current form, with no picture.
int32_t ASKUSER(const std::string& title, const std::string& text1, const std::string& text2,
                const std::string& checkText, const std::string& buttons, int32_t defaultButton);

// A centred notice over the current form with one bold OK button that has the focus.
int32_t ShowNotice(const std::string& title, const std::string& text1, const std::string& text2);

// Asks whether to save before a form with unsaved edits is closed: 1 Yes (save), 2 No, 3 Cancel,
// 99 dismissed. When the form's Save button `saveButton` is disabled there is nothing to save,
// and the answer is 2 without asking.
int32_t ConfirmSaveOnExit(const std::string& form, int32_t saveButton, const std::string& documentName = "");

// The dialog form's design step and event routine, reached through the program's dispatch by
// form name.
void DesignMessageDialog(const std::string& form);
void MessageDialogEvents(const std::string& form, int32_t id, int32_t message, int32_t& value,
                         int32_t& cancel);
