// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date pickers read and set as day numbers.
#include <cstdint>
#include <string>

// The day number of the date a picker shows.
int32_t GETDT(const std::string& form, int32_t id);
// Sets a picker to the date of a day number; 0 stands for today.
void SETDT(const std::string& form, int32_t id, int32_t dayNumber);

// The day number of a date text in the given field order ("MDY" or "YMD"; an empty text is today).
// An invalid text is reported with the "Invalid Date" notice and gives 0.
int32_t Date2JulianDate(std::string text, std::string& order);
