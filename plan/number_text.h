// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program reads numbers out of texts and writes numbers into texts.
#include "plan/decimal_number.h"

#include <cstdint>
#include <string>
#include <string_view>

// Blanks are spaces and tabs.
bool IsBlank(char c);

// The leading-number rule: after leading blanks, an optional sign and the longest run of digits
// with at most one decimal point; the rest of the text is ignored. A text with no number reads as 0.
// "1,234" reads as 1, "-.5x" as -0.5, "abc" as 0.
DecimalNumber ReadLeadingNumber(std::string_view text);
double LeadingNumberValue(std::string_view text);
float LeadingNumberFloat(std::string_view text);
// Rounded to a whole number halves to even; beyond 32-bit range clamped to it.
std::int32_t LeadingInteger(std::string_view text);

// Formats a number with a mask:
//   "0"  a digit, always shown (leading zeros pad the number to the zeros' width)
//   "#"  a digit, shown only when significant
//   "."  the decimal point (the first one; later ones are literal)
//   ","  anywhere in the mask: group the whole digits in threes with ","
//   "\"  shows the next character literally
//   any other character is shown as it stands.
// The value is rounded to the mask's last digit place, halves to even, on its decimal digits.
// A minus sign leads the text when the rounded value is below zero.
// Examples: 1234.5 with "#,.00" -> "1,234.50"; 0.5 with "#.00" -> ".50"; 2.5 with "#" -> "2";
// 19 with " \'00" -> " '19"; 12.5 with "0.0\%" -> "12.5%".
std::string FormatNumber(const DecimalNumber& value, std::string_view mask);
std::string FormatNumber(double value, std::string_view mask);
std::string FormatNumber(float value, std::string_view mask);
std::string FormatNumber(std::int64_t value, std::string_view mask);
std::string FormatNumber(int value, std::string_view mask);

// A whole number as its digits with a leading minus when negative, no blank: "65", "-5".
std::string IntegerText(std::int64_t value);
