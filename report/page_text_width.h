// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How wide a text of the page is drawn, so that the page can fit its texts to their places
// without asking the device that will draw it.
#include "report/page_record.h"

#include <string_view>

// The width in inches of a line of code page 1252 text in the page's face (Arial) at the
// font's size and weight (bit 0 of the style: bold). Control characters take no room.
float TextWidthInches(std::string_view text, const PageFont& font);
