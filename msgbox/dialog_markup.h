// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the caller's strings ask of the message dialog, read out of their brace groups: the
// caption and minimum size, the two text blocks, the checkbox line, the buttons and the options.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Palette index that the dialog defines as the desktop's button-face colour.
inline constexpr int32_t kButtonFaceColour = 750;

struct TitleMarkup {
    std::string caption;
    std::optional<int32_t> background; // B: the dialog's and its texts' background
    float minWidth = 0.0F;             // W
    float minHeight = 0.0F;            // H
    // The texts' background: B, or the button face when the title names none.
    int32_t textBackground() const { return background.value_or(kButtonFaceColour); }
};

struct TextMarkup {
    std::string shown; // with its "|" line breaks and its escapes (ShownLines gives the lines)
    int32_t font = 0;
    int32_t colour = 0;
    float wrapWidth = 0.0F; // above 0: word-wrap to this width (text blocks only)
};

enum class ButtonStyle {
    Standard, // G: the desktop's own push button
    Colour,   // C: owner-drawn flat colour button
    Raised,   // 3: owner-drawn 3D button
    Rounded,  // R: owner-drawn rounded 3D button
    Etched,   // E: owner-drawn 3D button with an inner edge
};

// The code under which a button's style is kept with the form: 3, 4 and 5 for the 3D looks,
// 0 for the others.
int32_t StyleCode(ButtonStyle style);

struct ButtonMarkup {
    std::string caption; // with its "&" accelerator mark
    float minWidth = 8.0F;
    float height = 1.5F;
    int32_t font = 0;
    int32_t face = kButtonFaceColour;
    int32_t textColour = 0;
    ButtonStyle style = ButtonStyle::Colour;
};

struct DialogOptions {
    bool centre = false;       // C
    bool rightAlign = false;   // J: the button row ends one margin from the right edge
    bool evenWidths = false;   // W
    bool largeMargins = false; // L
    std::string pictureProps;  // F, R and S, in that order
};

TitleMarkup ParseTitle(std::string_view title);
TextMarkup ParseTextBlock(std::string_view text); // keys F, T, W
TextMarkup ParseCheckText(std::string_view text); // keys F, T
DialogOptions ParseOptions(std::string_view letters);

// At most ten buttons: only the first ten items of the "|"-separated list are read. An item
// starting with "*{" changes the defaults of the buttons after it; an empty item is skipped.
inline constexpr size_t kMaxButtonItems = 10;
std::vector<ButtonMarkup> ParseButtonList(std::string_view list);

struct DialogMarkup {
    TitleMarkup title;
    TextMarkup text1, text2, check;
    std::vector<ButtonMarkup> buttons;
    DialogOptions options;
};
