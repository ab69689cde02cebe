// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's initialisation and the events of its controls.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
#include "plan/field_text.h"
#include "plan/plan_fields.h"
#include "plan/plan_state.h"
#include "plan/profile_editor.h"
#include "prefs/options.h"

using namespace editor;

namespace {

constexpr const char* kForm = kProfileEditorForm;
constexpr const char* kPlanner = "QM";
constexpr int32_t kPlannerProfileList = 265;

void SetOkEnabled(bool enabled) {
    if (enabled)
        EZ_ENABLEC(kForm, kOkButton);
    else
        EZ_DISABLEC(kForm, kOkButton);
}

void OpenEditorHelp() {
    int32_t command = 15; // a context topic
    int32_t topic = kHelpTopic;
    GETHELP(command, topic);
}

// Escape does nothing in the dialog's fields and buttons, and Enter moves on like Tab.
void FilterKey(int32_t message, int32_t& value) {
    if (message != kEzKey) return;
    if (value == kEzKeyEscape)
        value = 0;
    else if (value == kEzKeyEnter)
        value = kEzKeyTab;
}

// With the SetSel option the caret goes after the selection when the name box gets the focus.
void ApplyNameBoxSelection(int32_t editHandle) {
    int32_t start = 0, end = 0;
    EZ_GETSELVAL(editHandle, start, end);
    if (OptionOn(kSetSel)) EZ_SETSELVAL(editHandle, end, end);
}

void NameBoxEvents(int32_t message, int32_t& value) {
    switch (message) {
    case kEzChange:
        SetOkEnabled(!TrimText(EZ_GETTEXT(kForm, kNameBox)).empty());
        break;
    case kEzGotFocus:
        EZ_SETCOLOR(kForm, kNameBox, 0, 25);
        break;
    case kEzLostFocus:
        EZ_SETCOLOR(kForm, kNameBox, -1, -1);
        TrimField(kForm, kNameBox);
        break;
    case kEzEditNotify:
        ApplyNameBoxSelection(value);
        break;
    default:
        break;
    }
}

void FormEvents(int32_t id, int32_t message) {
    if (id == kHelpCommand && message == kEzClick) {
        OpenEditorHelp();
        return;
    }
    if (id == 0 && message == kEzLoaded) InitProfileEditor();
}

} // namespace

void InitProfileEditor() {
    const std::string name = EZ_GETTEXT(kPlanner, kPlannerProfileList);
    // Row 0 is "None": it can be neither updated nor deleted.
    if (name == "None" || Plan().ProfileIndex == 0) {
        EZ_DISABLEC(kForm, kUpdateRadio);
        EZ_SETCHECK(kForm, kSaveNewRadio, 1);
        EZ_DISABLEC(kForm, kOkButton);
        EZ_DISABLEC(kForm, kDeleteRadio);
    } else {
        EZ_SETTEXT(kForm, kNameLabel, name);
        EZ_SETCHECK(kForm, kUpdateRadio, 1);
    }
    EZ_DEFACCEL(kForm, "F1," + std::to_string(kHelpCommand));
}

void ProfileEditorEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& /*cancel*/) {
    switch (id) {
    case kUpdateRadio:
        FilterKey(message, value);
        if (message == kEzClick) SetOkEnabled(true);
        break;
    case kSaveNewRadio:
        FilterKey(message, value);
        if (message == kEzClick) SetOkEnabled(!EZ_GETTEXT(kForm, kNameBox).empty());
        break;
    case kNameBox:
        FilterKey(message, value);
        NameBoxEvents(message, value);
        break;
    case kDeleteRadio:
        if (message == kEzClick) SetOkEnabled(true);
        break;
    case kOkButton:
        FilterKey(message, value);
        if (message == kEzClick && ApplyProfileEdit() == 1) EZ_UNLOADFORM(kForm);
        break;
    case kCancelButton:
        FilterKey(message, value);
        if (message == kEzClick) EZ_UNLOADFORM(kForm);
        break;
    case kHelpButton:
        if (message == kEzClick) OpenEditorHelp();
        break;
    default:
        FormEvents(id, message);
        break;
    }
}
