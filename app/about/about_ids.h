// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the About dialog "AB".
#include <cstdint>

constexpr const char* kAboutForm = "AB";

enum AboutControl : int32_t {
    kAboutProgramName = 100,
    kAboutVersionLine = 105,
    kAboutCopyright = 110,
    kAboutFreeNote = 115,
    kAboutThanks = 120,
    kAboutHistoryView = 125,
    kAboutCloseButton = 130,
    kAboutPageButton = 135,
    kAboutFrame = 140,
};
