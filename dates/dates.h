// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Day numbers and date texts. Every date of the program is a Julian Day Number of the proleptic
// Gregorian calendar (1 January 2000 is 2451545), held as a signed 32-bit integer.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The day number of a calendar date. Month and day are not range-checked: a month of 13 or a day
// of 40 is carried into the arithmetic. A date so far away that its day number does not fit in
// 32 bits gives a meaningless number (ParseDateText refuses such dates).
int32_t JulianFromDate(int32_t month, int32_t day, int32_t year);

// The year meant by a year typed with one or two digits: 00-49 are 2000-2049, 50-99 are
// 1950-1999. A year of three or more digits means itself.
int32_t YearFromShortYear(int32_t year, int digits);

// The calendar date of a day number.
void DateFromJulian(int32_t dayNumber, int32_t& month, int32_t& day, int32_t& year);

// The day number's date as a text:
//   1 month name ("October")      2 month number ("10")        3 year ("2018")
//   4 "20181016"                  5 "2018-10-16"               6 "10-16-2018"
//   7 day ("16")
// Any other format gives the empty text.
std::string JulianToText(int32_t dayNumber, int32_t format);

// Reads a date text made of three numbers separated by "-" or "/", in the field order "MDY"
// (month-day-year) or "YMD" (year-month-day). Each field is read by the leading-number rule and
// rounded to a whole number. An empty text stands for today and sets order to "MDY".
// nullopt when a field is missing, zero or not a number, when the order is neither code, or when
// the date's day number does not fit in 32 bits.
std::optional<int32_t> ParseDateText(std::string_view text, std::string& order);

// flag != 0: every "-" becomes "/"; flag == 0: every "/" becomes "-". The text is changed in place
// and a copy of the result is returned.
std::string SwapDateSeparator(std::string& text, int32_t flag);

// The date the program was built, as MM/DD/YYYY ("10/16/2018").
std::string BuildDateText();
