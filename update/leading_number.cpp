#include "update/leading_number.h"

#include <limits>

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Rounds a whole part up by the fraction digits that follow it, halves to even.
std::int64_t RoundByFraction(std::int64_t whole, std::string_view fraction) {
    if (fraction.empty() || fraction[0] < '5') return whole;
    bool beyondHalf =
        fraction[0] > '5' || fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    bool roundUp = beyondHalf || whole % 2 != 0;
    return roundUp && whole < kMax ? whole + 1 : whole;
}
} // namespace

std::int64_t LeadingWholeNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

    std::int64_t whole = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        int digit = text[at] - '0';
        whole = whole > (kMax - digit) / 10 ? kMax : whole * 10 + digit;
    }
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') {
        std::size_t start = ++at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        fraction = text.substr(start, at - start);
    }
    std::int64_t magnitude = RoundByFraction(whole, fraction);
    return negative ? -magnitude : magnitude;
}
