// SPDX-License-Identifier: GPL-3.0-or-later
// The station dialog's creation, its opening, the logo's preview and the save.
#include "prefs/station_dialog.h"

#include "app/settings/profile_lines.h"
#include "app/shell/app_paths.h"
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
#include "msgbox/markup_literal.h"
#include "msgbox/message_dialog.h"
#include "prefs/station_layout.h"
#include "prefs/station_logo_chooser.h"
#include "report/station_logo.h"

#include <algorithm>
#include <cmath>

using namespace sc;

StationDialogState& StationDialog() {
    static StationDialogState state;
    return state;
}

namespace {

const ControlDesign& Design(int32_t id) {
    const auto controls = StationControls();
    return *std::find_if(controls.begin(), controls.end(),
                         [id](const ControlDesign& c) { return c.id == id; });
}

void CreateControl(const ControlDesign& c) {
    EZ_COLOR(-1, -1);
    EZ_USEFONT(6);
    if (c.kind == EzControlKind::Label || c.kind == EzControlKind::Button) EZ_USEAUTOSIZE("CT");
    EzCreateControl(c);
    if (c.accessibleName[0] != '\0') EzSetAccessibleName(kForm, c.id, c.accessibleName);
}

// What a field holds, as it is kept: a line break pasted into it counts as a space.
std::string FieldText(int32_t id) {
    std::string text = EZ_GETTEXT(kForm, id);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return text;
}

StationDetails ShownDetails() {
    StationDetails details;
    for (const DetailField& field : DetailFields())
        details.*field.detail = FieldText(field.id);
    return details;
}

// The preview's size in pixels, twice over so that it stays sharp on dense screens.
int PreviewPixels(float units, float unitsPerPixel) {
    return static_cast<int>(std::lround(2.0F * units / unitsPerPixel));
}

void ShowNotSaved(const std::string& text1, const std::string& text2) {
    ShowNotice("Station Details Not Saved", text1 + "{f7}", text2 + "{f6}");
}

// A changed detail that the file cannot keep whole is named before anything is written.
bool ChangedDetailsFit(const StationDetails& details) {
    for (const DetailField& field : DetailFields()) {
        const std::string& value = details.*field.detail;
        if (value == StationDialog().loaded.*field.detail || StationValueFits(value)) continue;
        ShowNotSaved("The " + std::string(field.what) + " is too long to be kept.",
                     "The settings file keeps at most " + std::to_string(kStationValueMax) +
                         " characters of a detail, two fewer when it begins and ends with the same quote.");
        EZ_SETFOCUS(kForm, field.id);
        return false;
    }
    return true;
}

} // namespace

void ShowStationDialog(const std::string& parent) {
    EZ_COLOR(-1, -1);
    EZ_FORM(kForm, parent, kCaption, 0, 0, kWidth, kHeight, "CMR");
}

void DesignStationDialog() {
    for (const ControlDesign& control : StationControls())
        CreateControl(control);
}

void InitStationDialog() {
    StationDialogState& dialog = StationDialog();
    dialog.loaded = LoadStationDetails(Paths().settingsFile);
    for (const DetailField& field : DetailFields()) {
        const std::string& value = dialog.loaded.*field.detail;
        // A longer value, written into the file by hand, is shown whole and kept while untouched.
        const auto limit = static_cast<int32_t>(std::max(kStationValueMax, value.size()));
        EZ_SENDMESSAGE(kForm, field.id, kEmLimitText, limit, 0);
        EZ_SETTEXT(kForm, field.id, value);
    }
    ShowLogoPreview();
    EZ_DEFACCEL(kForm, "F1," + std::to_string(kHelpCommand));
    EZ_DISABLEC(kForm, kSave);
}

void ShowLogoPreview() {
    const std::string path(TrimSpaces(FieldText(kLogo)));
    const ControlDesign& preview = Design(kPreview);
    const LogoRead read = ReadStationLogo(path, PreviewPixels(preview.width, EZ_CX(1)),
                                          PreviewPixels(preview.height, EZ_CY(1)));
    EzSetPicture(kForm, kPreview, read.logo ? read.logo->png : std::string());
    EZ_SETTEXT(kForm, kLogoStatus, path.empty() ? kNoLogo : read.problem);
}

void BrowseForLogo() {
    const std::string file = AskLogoFile(std::string(TrimSpaces(FieldText(kLogo))));
    if (file.empty()) return;
    if (!StationValueFits(file)) {
        ShowNotice("Logo Not Chosen", "The picture's path is too long to be kept:{f7}",
                   MarkupLiteral(file) + "{f6}");
        return;
    }
    if (file != EZ_GETTEXT(kForm, kLogo)) {
        EZ_SETTEXT(kForm, kLogo, file);
        EZ_ENABLEC(kForm, kSave);
    }
    ShowLogoPreview();
}

void KeepFieldOnOneLine(int32_t id) {
    const std::string text = FieldText(id);
    if (text != EZ_GETTEXT(kForm, id)) EZ_SETTEXT(kForm, id, text);
}

bool SaveStationDialog() {
    const StationDetails details = ShownDetails();
    if (!ChangedDetailsFit(details)) return false;
    const std::string& file = Paths().settingsFile;
    std::string reason;
    if (!SaveStationDetails(file, details, reason)) {
        ShowNotSaved("The station's details could not be written to " + MarkupLiteral(file + ": " + reason) +
                         ".",
                     "The file on disk is unchanged.");
        return false;
    }
    StationDialog().loaded = LoadStationDetails(file);
    EZ_DISABLEC(kForm, kSave);
    return true;
}
