// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page layer records: one US Letter portrait page, positions in inches from the
// top-left corner with y growing downward, drawn in the order of the operations (later
// operations cover earlier ones).
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A colour as 0x00BBGGRR: red in the lowest byte.
using PageColour = std::uint32_t;

inline constexpr PageColour kPageBlack = 0x000000;
inline constexpr PageColour kPageWhite = 0xFFFFFF;
inline constexpr PageColour kPageRed = 0x0000FF;
inline constexpr PageColour kPageBlue = 0xFF0000;
inline constexpr PageColour kPageGrey = 0x808080;

inline constexpr float kPageWidthInches = 8.5f;
inline constexpr float kPageHeightInches = 11.0f;

// Where a text's x lies on its line.
enum class TextAlign : int { Left = 0, Centre = 1, Right = 2 };

// Style flag bits of a font: bit 0 bold; the report also sets bit 4 on every font.
inline constexpr int kFontBold = 0x01;

struct PageFont {
    std::string face = "Arial";
    float points = 10.0f;
    int style = 0x10;
    friend bool operator==(const PageFont&, const PageFont&) = default;
};

// One line of text; y is its baseline. The font is the one selected when the text was drawn.
struct PageText {
    float x = 0, y = 0;
    TextAlign align = TextAlign::Left;
    std::string text; // code page 1252
    PageFont font;
};

// Line widths are in points (1/72 inch); 0 is the thinnest line the device can show and a
// negative width draws nothing.
struct PageLine {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float width = 0;
    PageColour colour = kPageBlack;
};

// A filled rectangle with an outline of `width` points (see PageLine) centred on its edges.
struct PageRect {
    float left = 0, top = 0, right = 0, bottom = 0;
    float width = 0;
    PageColour fill = kPageWhite;
    PageColour line = kPageBlack;
};

// A picture drawn into the box, filling it (the caller keeps its proportions). `encoded` is the
// picture as the bytes of a PNG or JPEG file; one that cannot be decoded draws nothing.
struct PageImage {
    float left = 0, top = 0, right = 0, bottom = 0;
    std::string encoded;
};

using PageOperation = std::variant<PageText, PageLine, PageRect, PageImage>;

struct PageRecord {
    std::string title; // code page 1252
    std::vector<PageOperation> operations;
};
