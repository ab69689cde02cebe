// SPDX-License-Identifier: GPL-3.0-or-later
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
    EzCreateControl(c);
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
