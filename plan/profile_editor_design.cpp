// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's form and its design table.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/design_table.h"
#include "app/toolkit/ez.h"
#include "plan/profile_editor.h"

using namespace editor;

namespace {

using Kind = EzControlKind;

struct ControlDesign {
    int32_t id;
    Kind kind;
    const char* text;
    float col, row, width, height; // character units
    const char* props;
    int32_t font;
    int32_t textColour, backColour;
    bool subclassed;            // delivers edit notifications
    const char* accessibleName; // for screen readers and tests from outside
};

constexpr Kind L = Kind::Label, R = Kind::Radio, T = Kind::Text, B = Kind::Button;

// In creation order. The toolkit makes one group of radio buttons created one after another, so
// the three actions are created together, before the name box that sits between them.
constexpr ControlDesign kControls[] = {
    {kNameLabel, L, "", 21.375F, 0.9375F, 25.5F, 1.25F, "FL", 6, 0, 26, false, "Selected profile"},
    {kUpdateRadio, R, "Update &existing profile", 2.25F, 1.0F, 18.375F, 1.125F, "GT", 6, -1, -1, false,
     "Update existing profile"},
    {kSaveNewRadio, R, "Save as &new profile", 2.25F, 2.375F, 16.5F, 1.125F, "T", 6, -1, -1, false,
     "Save as new profile"},
    {kDeleteRadio, R, "&Delete this profile", 2.25F, 3.75F, 14.5F, 1.125F, "T", 6, -1, -1, false,
     "Delete this profile"},
    {kNameBox, T, "", 21.375F, 2.3125F, 25.5F, 1.25F, "EST", 6, -1, -1, true, "New profile name"},
    {kNoteLabel, L, "NOTE: This action cannot be reversed.", 18.5F, 3.8125F, 28.25F, 1.0F, "L", 7, -1, -1,
     false, ""},
    {kOkButton, B, "&OK", 30.25F, 5.75F, 7.5F, 1.6875F, "T", 6, -1, -1, false, "OK"},
    {kCancelButton, B, "&Cancel", 39.375F, 5.75F, 7.5F, 1.6875F, "T", 6, -1, -1, false, "Cancel"},
    {kHelpButton, B, "&Help", 2.25F, 5.75F, 7.5F, 1.6875F, "T", 6, -1, -1, false, "Help"},
};

void CreateControl(const ControlDesign& c) {
    EZ_COLOR(c.textColour, c.backColour);
    EZ_USEFONT(c.font);
    if (c.kind == Kind::Radio || c.kind == Kind::Button) EZ_USEAUTOSIZE("CT");
    EZ_SUBCLASS(c.subclassed ? 2 : 0);
    EzCreateControl(c);
    EZ_SUBCLASS(0);
    if (c.accessibleName[0] != '\0') EzSetAccessibleName(kProfileEditorForm, c.id, c.accessibleName);
}

} // namespace

void ShowProfileEditor(const std::string& parent) {
    EZ_COLOR(-1, -1);
    EZ_FORM(kProfileEditorForm, parent, "Edit Business Profile", 0, 0, 48.75F, 8.125F, "CM");
}

void DesignProfileEditor() {
    for (const ControlDesign& control : kControls)
        CreateControl(control);
    EZ_COLOR(-1, -1);
}
