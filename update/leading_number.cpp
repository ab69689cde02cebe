// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/leading_number.h"

#include "plan/decimal_number.h"
#include "plan/number_text.h"

#include <limits>

std::int64_t LeadingWholeNumber(std::string_view text) {
    const DecimalNumber number = ReadLeadingNumber(text);
    if (const auto whole = ToScaledInteger(number, 0)) return *whole;
    return number.negative ? std::numeric_limits<std::int64_t>::min()
                           : std::numeric_limits<std::int64_t>::max();
}
