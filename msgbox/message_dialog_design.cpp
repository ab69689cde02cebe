// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog's design step: reads the caller's strings, sizes the form to its content
// and creates its picture, texts, checkbox and buttons.
#include "app/toolkit/ez.h"

#include "msgbox/brace_group.h"
#include "msgbox/dialog_layout.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include <algorithm>

namespace {

TextSize measureWithToolkit(int32_t font, const std::string& line) {
    TextSize size;
    EZ_GETTEXTSIZE(font, line, size.width, size.height, 1);
    return size;
}

DialogMarkup readMarkup(const MessageDialogState& dialog) {
    DialogMarkup markup;
    markup.title = ParseTitle(dialog.title);
    markup.text1 = ParseTextBlock(dialog.text1);
    markup.text2 = ParseTextBlock(dialog.text2);
    markup.check = ParseCheckText(dialog.checkText);
    markup.buttons = ParseButtonList(dialog.buttons);
    markup.options = ParseOptions(dialog.options);
    return markup;
}

// Loads the caller's picture; a picture that cannot be loaded has size 0.
std::optional<PictureSize> loadPicture(const std::string& name, std::string& handle) {
    if (name.empty()) return std::nullopt;
    handle = EZ_LOADPICTURE(name);
    int32_t width = 0, height = 0;
    EZ_GETPICTURESIZE(handle, width, height);
    return PictureSize{EZ_CX(width), EZ_CY(height)};
}

// The block's lines as the label shows them, one a "\n": "|" and "{" written by MarkupLiteral
// show as themselves.
std::string labelLines(const std::string& text) {
    const std::vector<std::string> lines = ShownLines(text);
    std::string joined = lines.front();
    for (size_t i = 1; i < lines.size(); ++i)
        joined += '\n' + lines[i];
    return joined;
}

void createTextLabel(int32_t id, const TextMarkup& markup, const PlacedText& placed, int32_t background,
                     bool centre) {
    EZ_COLOR(markup.colour, background);
    EZ_USEFONT(markup.font);
    EZ_LABEL(id, placed.box.col, placed.box.row, placed.box.width, placed.box.height, labelLines(placed.text),
             centre ? "CP" : "LP");
}

void rememberDrawingAttributes(const std::string& form, int32_t button, const ButtonMarkup& markup) {
    EZ_SETUSERDATA(form, FaceSlot(button), markup.face);
    EZ_SETUSERDATA(form, TextColourSlot(button), markup.textColour);
    EZ_SETUSERDATA(form, FontSlot(button), markup.font);
    EZ_SETUSERDATA(form, StyleSlot(button), StyleCode(markup.style));
}

void createButtons(const std::string& form, const DialogMarkup& markup, const DialogLayout& layout) {
    // Buttons take the desktop's colours, not those of the texts above them; the owner-drawn
    // ones paint their own colours.
    EZ_COLOR(-1, -1);
    for (size_t i = 0; i < markup.buttons.size() && i < static_cast<size_t>(kMaxButtons); ++i) {
        const ButtonMarkup& button = markup.buttons[i];
        const Box& box = layout.buttons[i];
        const int32_t number = static_cast<int32_t>(i) + 1;
        rememberDrawingAttributes(form, number, button);
        if (button.style == ButtonStyle::Standard) {
            EZ_USEFONT(button.font);
            EZ_BUTTON(ButtonId(number), box.col, box.row, box.width, box.height, button.caption, "TA");
        } else {
            EZ_ODBUTTON(ButtonId(number), box.col, box.row, box.width, box.height, button.caption, "TA");
        }
    }
}

} // namespace

void DesignMessageDialog(const std::string& form) {
    MessageDialogState& dialog = MessageDialog();
    dialog.focusReturnButton = DefaultButtonNumber(dialog.defaultButton);
    DialogMarkup markup = readMarkup(dialog);
    // A dialog is at least as wide as its frame needs to show the whole title.
    markup.title.minWidth = std::max(markup.title.minWidth, EzCaptionWidth(markup.title.caption));
    std::string pictureHandle;
    const std::optional<PictureSize> picture = loadPicture(dialog.picture, pictureHandle);
    const DialogLayout layout = LayoutDialog(markup, picture, measureWithToolkit);

    EZ_RESIZEFORM(form, 0, 0, layout.width, layout.height, 1);
    if (layout.picture) {
        const Box& box = *layout.picture;
        EZ_PICTURE(kPictureId, box.col, box.row, box.width, box.height, pictureHandle,
                   markup.options.pictureProps);
    }
    const int32_t textBackground = markup.title.textBackground();
    if (layout.text1)
        createTextLabel(kText1Id, markup.text1, *layout.text1, textBackground, markup.options.centre);
    if (layout.text2)
        createTextLabel(kText2Id, markup.text2, *layout.text2, textBackground, markup.options.centre);
    if (layout.check) {
        const Box& box = layout.check->box;
        EZ_COLOR(markup.check.colour, textBackground);
        EZ_USEFONT(markup.check.font);
        EZ_CHECKBOX(kCheckBoxId, box.col, box.row, box.width, box.height, labelLines(layout.check->text),
                    "T");
        if (dialog.defaultButton < 0) EZ_SETCHECK(form, kCheckBoxId, 1);
    }
    createButtons(form, markup, layout);
    EZ_ALLOWKEYEVENTS(2);
}
