// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Word wrap of a text block to a width, line by line at blanks, keeping the "|" line breaks.
#include "msgbox/text_measure.h"

#include <string>
#include <string_view>

// Rebuilds the block so that no line is wider than `width` in `font`: each "|"-separated
// paragraph is broken at blanks. A line exactly `width` wide fits; a single word wider than
// `width` stands alone on its line, unbroken. Every line, the last included, ends with "|".
// Escaped characters ("\|", "\{", "\\") stay escaped and are measured as what they show.
std::string WrapText(std::string_view text, float width, int32_t font, const TextMeasure& measure);
