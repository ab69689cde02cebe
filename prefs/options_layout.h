// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog "PO" as data: its control ids, its controls in creation (and Tab) order, and
// which check box shows which switch of the options word.
#include "app/toolkit/design_table.h"
#include "prefs/options.h"

#include <cstdint>
#include <span>

namespace po {

constexpr const char* kForm = "PO";
constexpr const char* kCaption = "Quillmark Options";
constexpr float kWidth = 64.25F, kHeight = 14.875F;

constexpr int32_t kMonoChartBox = 100, kRememberClientBox = 105, kClearClientBox = 110, kAutoUpdateBox = 115,
                  kSetSelBox = 120, kSelMonthsBox = 125, kTipsOnBox = 130;
constexpr int32_t kDollarRadio = 135, kEuroRadio = 140, kPoundRadio = 145;
constexpr int32_t kOpportunity = 150, kBase = 155, kEvents = 160;
constexpr int32_t kSave = 165, kCancel = 170, kHelp = 175;
constexpr int32_t kHelpCommand = 911; // F1
constexpr int32_t kHelpTopic = 60;

using Kind = EzControlKind;

struct ControlDesign {
    int32_t id;
    Kind kind;
    const char* text;
    float col, row, width, height;
    const char* props;
    bool autosize;
    bool tooltips;
    const char* accessibleName; // for fields and buttons; boxes and radios are known by their caption
};

std::span<const ControlDesign> OptionsControls();

// The check boxes in the order the save stores them.
struct SwitchBox {
    int32_t id;
    OptionBit bit;
};
std::span<const SwitchBox> SwitchBoxes();

// The radio of a currency option (0 dollar, 1 euro, 2 pound), and back.
int32_t CurrencyRadio(int32_t currency);
int32_t CurrencyOfRadio(int32_t radio);

} // namespace po
