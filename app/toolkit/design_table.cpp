// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolkit/design_table.h"

#include "app/toolkit/ez.h"

void EzCreateControl(EzControlKind kind, int32_t id, float col, float row, float width, float height,
                     const std::string& text, const std::string& props) {
    switch (kind) {
    case EzControlKind::Label:
        EZ_LABEL(id, col, row, width, height, text, props);
        break;
    case EzControlKind::Text:
        EZ_TEXT(id, col, row, width, height, text, props);
        break;
    case EzControlKind::Button:
        EZ_BUTTON(id, col, row, width, height, text, props);
        break;
    case EzControlKind::CheckBox:
        EZ_CHECKBOX(id, col, row, width, height, text, props);
        break;
    case EzControlKind::Radio:
        EZ_RADIO(id, col, row, width, height, text, props);
        break;
    case EzControlKind::Frame:
        EZ_FRAME(id, col, row, width, height, text, props);
        break;
    case EzControlKind::Combo:
        EZ_COMBOBOX(id, col, row, width, height, text, props);
        break;
    case EzControlKind::Date:
        EZ_DATETIME(id, col, row, width, height, text);
        break;
    case EzControlKind::Slider:
        EZ_HTRACKBAR(id, col, row, width, height, props);
        break;
    case EzControlKind::RichText:
        EZ_RICHTEXT1(id, col, row, width, height, props);
        break;
    case EzControlKind::Picture:
        EZ_PICTURE(id, col, row, width, height, text, props);
        break;
    }
}
