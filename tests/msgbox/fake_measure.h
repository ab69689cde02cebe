// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text measure with round numbers: one column a character, two in font 10 (the headline
// font), so that layouts can be worked out by hand; one row a line, a row and a half in font 10.
#include "msgbox/text_measure.h"

inline TextSize FakeMeasure(int32_t font, const std::string& line) {
    const float perCharacter = font == 10 ? 2.0F : 1.0F;
    return {perCharacter * static_cast<float>(line.size()), font == 10 ? 1.5F : 1.0F};
}
