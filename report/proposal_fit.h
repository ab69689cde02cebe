// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fitting the proposal's texts to their places. A text that fits is drawn exactly as designed.
// One that does not is drawn smaller in the same face, in half-point steps, down to a readable
// minimum; a line with names in it is then shortened, its names ending in "…". Numbers (amounts,
// counts, percentages) are never shortened: a text holding one goes on shrinking until it fits.
#include "report/page_record.h"

#include <string>
#include <vector>

inline constexpr float kReadableMinimumPoints = 6.0f;
inline constexpr float kFitStepPoints = 0.5f;
// The room kept between two texts side by side and between a text and the rule beside it.
inline constexpr float kTextGap = 0.05f;

// The size of the font at which `text` is at most `space` inches wide: the font's own size when
// it fits, else the largest half-point step below that fits.
float FitNumberSize(const std::string& text, const PageFont& font, float space);

// One size for texts that stand in a row or a column and should look alike: the smallest that
// any of them needs in its own space.
struct TextInSpace {
    std::string text;
    float space; // inches
};
float FitNumbersSize(const std::vector<TextInSpace>& texts, const PageFont& font);

// A line made of fixed words and names ("Presented by: ", salesrep, ", ", station).
struct LinePart {
    std::string text;
    bool name = false;
};
struct FittedLine {
    std::string text;
    float points;
};
// The line at the size that fits `space`; below the readable minimum the names are shortened
// instead, the longest first, so that the shorter ones stay whole where they can.
FittedLine FitLineWithNames(const std::vector<LinePart>& parts, const PageFont& font, float space);
