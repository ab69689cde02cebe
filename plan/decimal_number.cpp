// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/decimal_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// Adds one to the last digit of a digit string, carrying leftward: "199" -> "200", "99" -> "100".
std::string IncrementDigits(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

// Whether dropping `rest` (the digits after the kept ones) rounds the kept part up, halves to even.
bool RoundsUp(std::string_view rest, char lastKeptDigit) {
    if (rest.empty() || rest[0] < '5') return false;
    if (rest[0] > '5') return true;
    for (char c : rest.substr(1))
        if (c != '0') return true;
    return (lastKeptDigit - '0') % 2 == 1;
}

// Splits a well-formed plain decimal text ("-12.5", "0.001", "7") into a DecimalNumber.
DecimalNumber FromPlainText(std::string_view text) {
    DecimalNumber number;
    if (!text.empty() && text[0] == '-') {
        number.negative = true;
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    number.wholeDigits = std::string(text.substr(0, point));
    if (point != std::string_view::npos) number.fractionDigits = std::string(text.substr(point + 1));
    Normalize(number);
    return number;
}

template <typename Real> Real ToReal(const DecimalNumber& number) {
    const std::string text = PlainDecimalText(number);
    Real value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large becomes the largest finite value; too small to tell from zero becomes zero.
        if (number.wholeDigits.empty()) return Real(0);
        const Real largest = std::numeric_limits<Real>::max();
        return number.negative ? -largest : largest;
    }
    return error == std::errc() ? value : Real(0);
}

template <typename Real> DecimalNumber FromReal(Real value) {
    if (std::isnan(value)) return {};
    if (std::isinf(value))
        value = value < 0 ? std::numeric_limits<Real>::lowest() : std::numeric_limits<Real>::max();
    // The fixed notation of the smallest denormal double needs about 330 characters.
    char buffer[512];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc()) return {};
    return FromPlainText(std::string_view(buffer, static_cast<size_t>(end - buffer)));
}

} // namespace

void Normalize(DecimalNumber& number) {
    const auto firstSignificant = number.wholeDigits.find_first_not_of('0');
    number.wholeDigits.erase(0, firstSignificant == std::string::npos ? number.wholeDigits.size()
                                                                      : firstSignificant);
    const auto lastSignificant = number.fractionDigits.find_last_not_of('0');
    number.fractionDigits.erase(lastSignificant == std::string::npos ? 0 : lastSignificant + 1);
    if (number.isZero()) number.negative = false;
}

DecimalNumber RoundToPlaces(const DecimalNumber& number, int places) {
    if (places < 0) places = 0;
    const auto kept = static_cast<size_t>(places);
    if (number.fractionDigits.size() <= kept) return number;

    std::string digits = number.wholeDigits + number.fractionDigits.substr(0, kept);
    const std::string_view rest = std::string_view(number.fractionDigits).substr(kept);
    const char lastKept = digits.empty() ? '0' : digits.back();
    if (RoundsUp(rest, lastKept)) digits = IncrementDigits(digits.empty() ? "0" : digits);

    DecimalNumber rounded;
    rounded.negative = number.negative;
    if (digits.size() < kept) digits.insert(0, kept - digits.size(), '0');
    rounded.wholeDigits = digits.substr(0, digits.size() - kept);
    rounded.fractionDigits = digits.substr(digits.size() - kept);
    Normalize(rounded);
    return rounded;
}

std::optional<std::int64_t> ToScaledInteger(const DecimalNumber& number, int places) {
    if (places < 0) places = 0;
    const DecimalNumber rounded = RoundToPlaces(number, places);
    std::string digits = rounded.fractionDigits;
    digits.resize(static_cast<size_t>(places), '0');
    digits.insert(0, rounded.wholeDigits);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    // 19 digits always fit the unsigned accumulator; more never fit a signed 64-bit integer.
    if (digits.size() > 19) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (char c : digits)
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');

    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (!rounded.negative) {
        if (magnitude > kMax) return std::nullopt;
        return static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > kMax + 1) return std::nullopt;
    if (magnitude == kMax + 1) return std::numeric_limits<std::int64_t>::min();
    return -static_cast<std::int64_t>(magnitude);
}

std::int32_t ToInt32Clamped(const DecimalNumber& number) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    const auto whole = ToScaledInteger(number, 0);
    if (!whole) return static_cast<std::int32_t>(number.negative ? kLow : kHigh);
    return static_cast<std::int32_t>(std::clamp(*whole, kLow, kHigh));
}

std::string PlainDecimalText(const DecimalNumber& number) {
    std::string text = number.negative ? "-" : "";
    text += number.wholeDigits.empty() ? "0" : number.wholeDigits;
    if (!number.fractionDigits.empty()) text += "." + number.fractionDigits;
    return text;
}

double ToDouble(const DecimalNumber& number) {
    return ToReal<double>(number);
}
float ToFloat(const DecimalNumber& number) {
    return ToReal<float>(number);
}

DecimalNumber DecimalFromDouble(double value) {
    return FromReal(value);
}
DecimalNumber DecimalFromFloat(float value) {
    return FromReal(value);
}

DecimalNumber DecimalFromScaled(std::int64_t units, int places) {
    if (places < 0) places = 0;
    DecimalNumber number;
    number.negative = units < 0;
    const std::uint64_t magnitude =
        units < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::string digits = std::to_string(magnitude);
    const auto fraction = static_cast<size_t>(places);
    if (digits.size() < fraction) digits.insert(0, fraction - digits.size(), '0');
    number.wholeDigits = digits.substr(0, digits.size() - fraction);
    number.fractionDigits = digits.substr(digits.size() - fraction);
    Normalize(number);
    return number;
}
