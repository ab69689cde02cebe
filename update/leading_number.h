#pragma once
// The program's usual reading of a number out of a text: leading blanks are skipped, then an optional
// sign and the longest run of digits with at most one decimal point are taken; a text without a number
// reads as 0.
#include <cstdint>
#include <string_view>

// The leading number rounded to a whole number, halves to even. Values beyond 64 bits saturate.
std::int64_t LeadingWholeNumber(std::string_view text);
