// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place that says what day it is. The environment variable QUILLMARK_TODAY=YYYY-MM-DD
// sets it for end-to-end tests; unit tests set it with SetTodayForTesting.
#include <optional>

struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The local date (or the date set for testing).
CivilDate Today();

// Replaces the local date until called again with std::nullopt.
void SetTodayForTesting(std::optional<CivilDate> date);

// Reads "YYYY-MM-DD"; nullopt when the text is not a valid date of that form.
std::optional<CivilDate> ParseIsoDate(const char* text);
