// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Station & Contact" dialog "SC" as data: its control ids, its controls in creation (and Tab)
// order, and which field shows which of the station's details.
#include "app/toolkit/design_table.h"
#include "prefs/station_details.h"

#include <cstdint>
#include <span>
#include <string>

namespace sc {

constexpr const char* kForm = "SC";
constexpr const char* kCaption = "Station & Contact";
constexpr float kWidth = 70.0F, kHeight = 15.25F;

constexpr int32_t kLogo = 100, kBrowse = 105, kName = 110, kAddress = 115, kPhone = 120, kWeb = 125,
                  kRepEmail = 130, kRepPhone = 135;
constexpr int32_t kSave = 140, kCancel = 145, kHelp = 150;
constexpr int32_t kPreview = 155, kLogoStatus = 160;
constexpr int32_t kHelpCommand = 911; // F1
constexpr int32_t kHelpTopic = 65;

// What the logo status says when no logo is set.
constexpr const char* kNoLogo = "No logo";

struct ControlDesign {
    int32_t id;
    EzControlKind kind;
    const char* text;
    float col, row, width, height;
    const char* props;
    const char* accessibleName; // "" for labels and frames, which are known by their text
};
std::span<const ControlDesign> StationControls();

// A text field and the detail it edits; `what` names the detail in messages.
struct DetailField {
    int32_t id;
    std::string StationDetails::*detail;
    const char* what;
};
std::span<const DetailField> DetailFields();

} // namespace sc
