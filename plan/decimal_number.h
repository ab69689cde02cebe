// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exact decimal number: the digits of a value as it is written, so that rounding works on
// decimal digits (2.675 is two-six-seven-five, not the binary double nearest to it).
#include <cstdint>
#include <optional>
#include <string>

struct DecimalNumber {
    bool negative = false;      // never set for zero
    std::string wholeDigits;    // digits before the point, no leading zeros ("" for 0)
    std::string fractionDigits; // digits after the point, no trailing zeros

    bool isZero() const { return wholeDigits.empty() && fractionDigits.empty(); }
};

// Removes leading zeros of the whole part and trailing zeros of the fraction; a zero loses its sign.
void Normalize(DecimalNumber& number);

// The number rounded to `places` decimals (places >= 0), halves to even.
DecimalNumber RoundToPlaces(const DecimalNumber& number, int places);

// The number times 10^places, rounded to a whole number halves to even; empty when it does not
// fit a signed 64-bit integer.
std::optional<std::int64_t> ToScaledInteger(const DecimalNumber& number, int places);

// The number rounded halves to even into a 32-bit integer; values beyond the range are clamped.
std::int32_t ToInt32Clamped(const DecimalNumber& number);

// The nearest binary values; magnitudes beyond the type's range become its largest finite value.
double ToDouble(const DecimalNumber& number);
float ToFloat(const DecimalNumber& number);

// The shortest decimal text that reads back as the same binary value (7.35f gives 7.35).
// Not-a-number reads as 0; an infinity as the type's largest finite value.
DecimalNumber DecimalFromDouble(double value);
DecimalNumber DecimalFromFloat(float value);

// The number written plainly: a leading "-" when negative, at least one digit before the point, a
// point only when decimals follow, never an exponent ("-0.5", "1234.56", "0").
std::string PlainDecimalText(const DecimalNumber& number);

// units ÷ 10^places exactly: DecimalFromScaled(123450, 2) is 1234.5.
DecimalNumber DecimalFromScaled(std::int64_t units, int places);
