// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the proposal shows of the station and the rep: the logo at the top left and one footer
// line at the foot of the page. With neither, the page is drawn exactly as without them.
#include <optional>
#include <string>
#include <vector>

// The logo, already read and scaled: the bytes of a PNG file and its size in pixels, which
// gives its proportions.
struct StationLogo {
    std::string png;
    int pixelWidth = 0;
    int pixelHeight = 0;
};

struct StationOnPage {
    std::vector<std::string> footerFields; // the set details, in the order they are joined
    std::optional<StationLogo> logo;
};

// Where the logo may lie, in inches from the page's top-left corner: the top-left corner of
// the page, above the budget headings and clear of their tallest glyphs.
struct PageBox {
    float left, top, right, bottom;
};
inline constexpr PageBox kLogoSpace{0.5f, 0.15f, 2.0f, 0.70f};

// The logo scaled to fit the space with its proportions kept, in the space's top-left corner.
PageBox LogoBox(const StationLogo& logo);

// The footer: the fields joined by " · ", centred on the page on y = 10.75 in, in Arial 8 pt,
// fitted to the width between the page's margins.
inline constexpr float kFooterBaseline = 10.75f;
inline constexpr float kFooterPoints = 8.0f;
inline constexpr const char* kFooterSeparator = " \xB7 "; // " · " in code page 1252
