// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the dialog's layout learns the size of a line of text. The dialog measures with the
// toolkit's real fonts; tests pass a measure of their own.
#include <cstdint>
#include <functional>
#include <string>

struct TextSize {
    float width = 0.0F;  // character columns
    float height = 0.0F; // character rows
};

// The size of one line of text (no "|" in it) in the given font number.
using TextMeasure = std::function<TextSize(int32_t font, const std::string& line)>;
