// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/field_text.h"

#include "plan/number_text.h"

#include <algorithm>
#include <limits>

std::string NormalizePercentText(std::string_view fieldText) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    const DecimalNumber entry = ReadLeadingNumber(fieldText);
    // The entry as a whole count of tenths, held within 32 bits.
    const std::optional<std::int64_t> tenths = ToScaledInteger(entry, 1);
    const std::int64_t held = tenths ? std::clamp(*tenths, kLow, kHigh) : (entry.negative ? kLow : kHigh);
    return FormatNumber(DecimalFromScaled(held, 1), "0.0");
}

std::string TrimText(std::string_view fieldText) {
    size_t begin = 0;
    size_t end = fieldText.size();
    while (begin < end && IsBlank(fieldText[begin]))
        ++begin;
    while (end > begin && IsBlank(fieldText[end - 1]))
        --end;
    return std::string(fieldText.substr(begin, end - begin));
}
