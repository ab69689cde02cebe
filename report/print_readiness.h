// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a plan can be printed: the rule by which the planner window offers Print.
#include <optional>
#include <string>

// The planner texts the rule looks at, as the fields hold them.
struct PrintReadinessTexts {
    std::string client, station, salesrep, budget;
    std::string total; // the profile total field, "100.0" when the months add up
};

// The text the total field shows when the twelve months add up to a whole year.
inline constexpr const char* kWholeYearTotal = "100.0";

// Why the plan cannot be printed ("the client is empty", "the months total 99.5, not 100.0"),
// the first reason in field order; nullopt when it can be printed.
std::optional<std::string> WhyNotPrintable(const PrintReadinessTexts& texts);
