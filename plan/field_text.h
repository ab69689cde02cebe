// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the planner's month and client fields show once they are left.
#include <string>
#include <string_view>

// A month percentage: the leading number rounded to one decimal halves to even, shown with "0.0"
// ("7.25" -> "7.2", "7.35" -> "7.4", "abc" -> "0.0", "-3" -> "-3.0"). Entries beyond what a 32-bit
// count of tenths holds are held at its limit.
std::string NormalizePercentText(std::string_view fieldText);

// The text without leading and trailing blanks.
std::string TrimText(std::string_view fieldText);
