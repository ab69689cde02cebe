// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The default Budget Allocation ratios that the options dialog edits: Opportunity and Base in
// whole percent, Events being what the two leave of 100.
#include <cstdint>
#include <string>
#include <string_view>

struct DefaultRatios {
    int32_t opportunity = 10;
    int32_t base = 65;
    friend bool operator==(const DefaultRatios&, const DefaultRatios&) = default;
};

// 100 - (Base + Opportunity), worked out wide so that no entry overflows it.
int64_t EventsOf(const DefaultRatios& ratios);

// The pair read from two ratio texts by the leading-number rule, each rounded halves to even:
// Opportunity held between 0 and 100, then Base between 0 and what Opportunity leaves ("150", "65"
// gives 100, 0; "-20", "200" gives 0, 100; "abc" reads as 0). A negative share would print as a
// negative budget.
DefaultRatios LimitRatios(std::string_view opportunityText, std::string_view baseText);

// Section "Default" of the settings file: Opportunity (default 10) and CurrValue, the Base percent
// (default 65), as stored.
DefaultRatios LoadDefaultRatios(const std::string& settingsFile);
