// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the message dialog puts its controls and how large it is, worked out from the markup
// and the sizes of the texts, all in character units.
#include "msgbox/dialog_markup.h"
#include "msgbox/text_measure.h"

#include <optional>
#include <string>
#include <vector>

struct Box {
    float col = 0.0F, row = 0.0F, width = 0.0F, height = 0.0F;
    float right() const { return col + width; }
    float bottom() const { return row + height; }
};

struct PlacedText {
    std::string text; // "|" line breaks, wrapped when asked, escapes kept (ShownLines gives the lines)
    Box box;
};

struct PictureSize {
    float width = 0.0F, height = 0.0F; // the loaded picture, in character units
};

struct DialogLayout {
    float width = 0.0F, height = 0.0F; // the dialog's client area
    float horizontalMargin = 0.0F, verticalMargin = 0.0F;
    float textColumnWidth = 0.0F;
    std::optional<Box> picture; // only when the picture column is wider than its margin
    std::optional<PlacedText> text1, text2, check;
    std::vector<Box> buttons; // one per button of the markup, in order
};

// `picture` is the size of the picture named by the caller, loaded or not (a picture that could
// not be loaded has size 0); no value when the caller named none.
DialogLayout LayoutDialog(const DialogMarkup& markup, std::optional<PictureSize> picture,
                          const TextMeasure& measure);
