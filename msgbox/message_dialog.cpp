// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the message dialog, and the program's three ways of asking through it.
#include "msgbox/message_dialog.h"

#include "app/toolkit/ez.h"
#include "msgbox/brace_group.h"
#include "msgbox/dialog_markup.h"
#include "msgbox/message_dialog_state.h"

namespace {
// The desktop's colour of button faces and dialogs.
constexpr int32_t kSystemButtonFace = 15;
} // namespace

MessageDialogState& MessageDialog() {
    static MessageDialogState state;
    return state;
}

int32_t MarkupMessageBox(const std::string& parent, const std::string& title, const std::string& text1,
                         const std::string& text2, const std::string& checkText, const std::string& buttons,
                         const std::string& picture, int32_t defaultButton, const std::string& options) {
    MessageDialogState& dialog = MessageDialog();
    dialog = MessageDialogState{};
    dialog.parent = parent;
    dialog.title = TrimBlanks(title);
    dialog.text1 = TrimBlanks(text1);
    dialog.text2 = TrimBlanks(text2);
    dialog.checkText = TrimBlanks(checkText);
    dialog.buttons = TrimBlanks(buttons);
    dialog.picture = TrimBlanks(picture);
    dialog.options = TrimBlanks(options);
    dialog.defaultButton = defaultButton;
    dialog.result = defaultButton;

    EZ_DEFSYSTEMCOLOR(kButtonFaceColour, kSystemButtonFace);
    const TitleMarkup titleMarkup = ParseTitle(dialog.title);
    EZ_COLOR(-1, titleMarkup.background.value_or(-1));
    // Modal: returns once the dialog has been unloaded. The design step sizes it to its content.
    EZ_FORM(kMessageDialogForm, parent, titleMarkup.caption, 0, 0, 20, 20, "CMR");
    return MessageDialog().result;
}

int32_t ASKUSER(const std::string& title, const std::string& text1, const std::string& text2,
                const std::string& checkText, const std::string& buttons, int32_t defaultButton) {
    return MarkupMessageBox(EZ_CURRENTFORM(), title, text1, text2, checkText, buttons, "", defaultButton,
                            "C");
}

int32_t ShowNotice(const std::string& title, const std::string& text1, const std::string& text2) {
    return MarkupMessageBox(EZ_CURRENTFORM(), title, text1, text2, "", "&OK{G,f7}", "", 1, "C");
}

int32_t ConfirmSaveOnExit(const std::string& form, int32_t saveButton, const std::string& documentName) {
    // The Save button is enabled only while there are unsaved edits.
    if (EZ_ISCONTROL(form, saveButton, "E") == 0) return 2;
    const std::string question = documentName.empty()
                                     ? std::string("Save your changes before you exit?{f7}")
                                     : "Save changes to " + documentName + " before you exit?{f7}";
    return ASKUSER("Changes Not Saved", question, "(Unsaved changes will be lost.){f6}", "",
                   "*{G,f7}|&Yes|&No|&Cancel", 1);
}
