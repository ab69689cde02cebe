// The options dialog's creation from its design table.
#include "prefs/options_dialog.h"

#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
#include "prefs/options_layout.h"

using namespace po;

namespace {

void CreateControl(const ControlDesign& c) {
    EZ_COLOR(-1, -1);
    EZ_USEFONT(6);
    if (c.autosize) EZ_USEAUTOSIZE("CT");
    switch (c.kind) {
    case Kind::CheckBox:
        EZ_CHECKBOX(c.id, c.col, c.row, c.width, c.height, c.text, c.props);
        break;
    case Kind::Radio:
        EZ_RADIO(c.id, c.col, c.row, c.width, c.height, c.text, c.props);
        break;
    case Kind::Text:
        EZ_TEXT(c.id, c.col, c.row, c.width, c.height, c.text, c.props);
        break;
    case Kind::Button:
        EZ_BUTTON(c.id, c.col, c.row, c.width, c.height, c.text, c.props);
        break;
    case Kind::Label:
        EZ_LABEL(c.id, c.col, c.row, c.width, c.height, c.text, c.props);
        break;
    case Kind::Frame:
        EZ_FRAME(c.id, c.col, c.row, c.width, c.height, c.text, c.props);
        break;
    }
    if (c.tooltips) EZ_ADDTOOLTIP(kForm, c.id);
    if (c.accessibleName[0] != '\0') EzSetAccessibleName(kForm, c.id, c.accessibleName);
}

} // namespace

void ShowOptionsDialog(const std::string& parent) {
    EZ_COLOR(-1, -1);
    EZ_FORM(kForm, parent, kCaption, 0, 0, kWidth, kHeight, "CMR");
}

void DesignOptionsDialog() {
    for (const ControlDesign& control : OptionsControls())
        CreateControl(control);
}
