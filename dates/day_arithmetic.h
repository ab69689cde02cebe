// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day-number arithmetic without the 32-bit limit, for the readers that must tell whether a
// date's day number fits.
#include <cstdint>

int64_t WideJulianFromDate(int64_t month, int64_t day, int64_t year);
