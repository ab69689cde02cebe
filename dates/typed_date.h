// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a user typed or pasted into a date field, read as a date.
#include "dates/today.h"

#include <optional>
#include <string_view>

// Reads `text` as a date shown in `format`, where runs of M, D and Y (either case) are the month,
// day and year fields and every other character separates them ("MM/DD/YYYY", "YYYY"). The text
// holds the fields' numbers in the format's order, separated by any characters that are not
// digits ("11/5/19", "11-05-2019"). A year of one or two digits is read with the pivot of
// YearFromShortYear (19 is 2019, 87 is 1987). Fields the format lacks are taken from `current`,
// and a day beyond the month's end is pulled back to it when the format has no day (a year field
// turning 29 February 2020 into 2019 gives 28 February). nullopt when the numbers do not match
// the fields or the date does not exist.
std::optional<CivilDate> ReadTypedDate(std::string_view text, std::string_view format, CivilDate current);
