// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog's form and its controls, kept as one table.
#include "app/about/about.h"
#include "app/about/about_ids.h"
#include "app/toolkit/design_table.h"
#include "app/toolkit/ez.h"

#include <array>

namespace {

using Kind = EzControlKind;

constexpr int32_t kTitleFont = -1; // "Segoe UI" 12 point bold, set for its one control
constexpr int32_t kBoldFont = 7;
constexpr int32_t kFormFont = 6;

struct ControlDesign {
    int32_t id;
    Kind kind;
    const char* text;
    float col, row, width, height;
    const char* props;
    int32_t font;
    int32_t layer;
    bool autosize;
    bool creationEvent; // the control sets its own text in its creation-pending event
};

// In creation order. Layer 1 is the information page, layer 2 the history page, layer 0 both.
constexpr std::array<ControlDesign, 9> kControls{{
    {kAboutProgramName, Kind::Label, "", 5.25F, 1.3125F, 42, 1.5F, "CI", kTitleFont, kAboutInfoPage, false,
     false},
    {kAboutVersionLine, Kind::Label, "", 2.75F, 3.25F, 46.5F, 1.125F, "C", kBoldFont, kAboutInfoPage, false,
     false},
    {kAboutCopyright, Kind::Label, "", 2.75F, 4.875F, 46.5F, 2.125F, "C", kFormFont, kAboutInfoPage, false,
     false},
    {kAboutFreeNote, Kind::Label, "", 2.75F, 7.25F, 46.5F, 2.125F, "C", kFormFont, kAboutInfoPage, false,
     false},
    {kAboutThanks, Kind::Label, "", 2.75F, 9.625F, 46.5F, 2.875F, "C", kFormFont, kAboutInfoPage, false,
     true},
    {kAboutHistoryView, Kind::RichText, "", 4.25F, 1.625F, 43.5F, 11, "STV", kFormFont, kAboutHistoryPage,
     true, false},
    {kAboutCloseButton, Kind::Button, "&Close", 41.25F, 13.375F, 7.5F, 1.375F, "T", kFormFont, 0, true,
     false},
    {kAboutPageButton, Kind::Button, "&View Program History", 3.125F, 13.375F, 15.75F, 1.375F, "T", kFormFont,
     0, true, false},
    {kAboutFrame, Kind::Frame, "", 1.75F, 0.375F, 48.5F, 15, "", kFormFont, 0, true, false},
}};

void createControl(const ControlDesign& c) {
    EZ_SETLAYER(c.layer);
    EZ_COLOR(-1, -1);
    if (c.font == kTitleFont)
        EZ_USEIFONT("Segoe UI", 12, "BV");
    else
        EZ_USEFONT(c.font);
    if (c.autosize) EZ_USEAUTOSIZE("CT");
    if (c.creationEvent) EZ_ALLOWLOADINGEVENT(2);
    EzCreateControl(c);
}

} // namespace

void ShowAbout(const std::string& parent) {
    EZ_COLOR(-1, -1);
    EZ_FORM(kAboutForm, parent, "About", 0, 0, 52, 16.25F, "CMR");
}

void DesignAbout() {
    for (const ControlDesign& control : kControls)
        createControl(control);
    EZ_SETLAYER(0); // the next form's controls start on the shared layer again
    EZ_SETRICHTEXT(kAboutForm, kAboutHistoryView, "", 0, 0);
    EzSetAccessibleName(kAboutForm, kAboutHistoryView, "Program history");
    EZ_DISPLAYLAYER(kAboutForm, kAboutInfoPage, 32);
}
