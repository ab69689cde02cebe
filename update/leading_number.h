// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's leading-number rule (plan/number_text.h) as a whole number of 64 bits, for the update
// check's version numbers, day numbers and header values.
#include <cstdint>
#include <string_view>

// The leading number rounded to a whole number, halves to even. Values beyond 64 bits saturate.
std::int64_t LeadingWholeNumber(std::string_view text);
