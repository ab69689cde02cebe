// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of control that the forms' design tables hold, and the one call that creates a
// control of any kind from a table row. The colours, font, autosize and the other settings that
// apply to the next control are set by the form before the call, as for the EZ_ calls themselves.
#include <cstdint>
#include <string>

enum class EzControlKind {
    Label,
    Text,
    Button,
    CheckBox,
    Radio,
    Frame,
    Combo,
    Date,
    Slider,
    RichText,
    Picture
};

// Text is the caption, a combo box's "|"-separated items, a date picker's format or a picture's
// name ("" for none); a slider and a rich-text view take none.
void EzCreateControl(EzControlKind kind, int32_t id, float col, float row, float width, float height,
                     const std::string& text, const std::string& props);

// The same for any design-table row with the fields kind, id, col, row, width, height, text, props.
template <class Row> void EzCreateControl(const Row& c) {
    EzCreateControl(c.kind, c.id, c.col, c.row, c.width, c.height, c.text, c.props);
}
