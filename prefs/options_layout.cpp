// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/options_layout.h"

namespace po {
namespace {

constexpr Kind B = Kind::CheckBox, R = Kind::Radio, T = Kind::Text, P = Kind::Button, L = Kind::Label,
               F = Kind::Frame;

// id, kind, text, column, row, width, height, properties, autosize, tooltips, name
constexpr ControlDesign kControls[] = {
    {100, B, "Print charts in monochrome", 3.5F, 1.875F, 21.5F, 1.125F, "T", true, false, ""},
    {105, B, "Remember last client information", 3.5F, 3.25F, 24.5F, 1.125F, "T", true, false, ""},
    {110, B, "Clear client information when 'Clear' is clicked", 3.5F, 4.625F, 33.0F, 1.125F, "T", true,
     false, ""},
    {115, B, "Automatically check for program updates", 3.5F, 6.0F, 29.75F, 1.125F, "T", false, false, ""},
    {120, B, "Do not select all text when editing client", 3.5F, 7.375F, 29.0F, 1.125F, "T", false, false,
     ""},
    {125, B, "Do not select all text when editing months", 3.5F, 8.75F, 30.25F, 1.125F, "T", false, false,
     ""},
    {130, B, "Show pop-up tool tip help", 3.5F, 10.125F, 20.25F, 1.125F, "T", false, false, ""},
    {135, R, "United States dollars ($)", 40.625F, 1.875F, 18.5F, 1.0F, "GT", true, false, ""},
    {140, R, "European Union euro (\x80)", 40.625F, 3.125F, 19.0F, 1.0F, "T", true, false, ""},
    {145, R, "United Kingdom pound (\xA3)", 40.625F, 4.375F, 20.25F, 1.0F, "T", true, false, ""},
    {150, T, "", 54.5F, 7.75F, 4.25F, 1.25F, "ENST", true, true, "Opportunity"},
    {155, T, "", 54.5F, 9.125F, 4.25F, 1.25F, "ENST", true, true, "Base"},
    {160, T, "", 54.5F, 10.5F, 4.25F, 1.25F, "S", true, false, "Events"},
    {165, P, "&Save", 45.5F, 12.75F, 7.0F, 1.5F, "T", true, false, "Save"},
    {170, P, "&Cancel", 54.5F, 12.75F, 7.0F, 1.5F, "T", false, false, "Cancel"},
    {175, P, "&Help", 2.75F, 12.75F, 7.0F, 1.5F, "T", false, false, "Help"},
    {180, L, "Opportunity:", 44.5F, 7.875F, 9.0F, 1.0F, "", true, false, ""},
    {185, L, "Base:", 49.0F, 9.25F, 4.5F, 1.0F, "", true, false, ""},
    {190, L, "Events:", 48.0F, 10.625F, 5.5F, 1.0F, "", true, false, ""},
    {195, F, "Default Budget Ratios", 38.5F, 6.625F, 24.0F, 5.5F, "", true, false, ""},
    {200, F, "Currency Option", 38.5F, 0.625F, 24.0F, 5.5F, "", false, false, ""},
    {205, F, "General", 1.75F, 0.625F, 35.5F, 11.5F, "", false, false, ""},
};

constexpr SwitchBox kSwitchBoxes[] = {
    {kMonoChartBox, kMonoChart},     {kRememberClientBox, kRememberClient},
    {kClearClientBox, kClearClient}, {kAutoUpdateBox, kAutoUpdate},
    {kSetSelBox, kSetSel},           {kSelMonthsBox, kSelMonths},
    {kTipsOnBox, kTipsOn},
};

constexpr int32_t kCurrencyRadios[] = {kDollarRadio, kEuroRadio, kPoundRadio};

} // namespace

std::span<const ControlDesign> OptionsControls() {
    return kControls;
}
std::span<const SwitchBox> SwitchBoxes() {
    return kSwitchBoxes;
}

int32_t CurrencyRadio(int32_t currency) {
    return currency >= 0 && currency <= 2 ? kCurrencyRadios[currency] : 0;
}

int32_t CurrencyOfRadio(int32_t radio) {
    for (int32_t currency = 0; currency <= 2; ++currency)
        if (kCurrencyRadios[currency] == radio) return currency;
    return -1;
}

} // namespace po
