// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Money and the texts that show and read it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A count of hundredths of the currency unit: 1234.50 is 123450.
using Money = std::int64_t;

// value × 100 rounded halves to even, on the value's decimal digits; empty when the value is not
// a usable amount (too large for Money, or not a number).
std::optional<Money> MoneyFromReal(double value);
// A plain decimal text read by the leading-number rule, exactly; empty when it does not fit Money.
std::optional<Money> MoneyFromText(std::string_view plainText);
double MoneyToReal(Money value);

// The currency option: 0 dollar, 1 euro, 2 pound.
enum CurrencyCode : int { kDollar = 0, kEuro = 1, kPound = 2 };

// The mask part that shows each currency's symbol; the backslash makes the symbol a literal.
// Code page 1252: 0x80 is the euro sign, 0xA3 the pound sign.
inline constexpr std::array<std::string_view, 3> kCurrencySymbols = {"$", "\\\x80", "\\\xA3"};

// The symbol entry of a currency option; an option outside the table is shown as dollars.
std::string_view CurrencySymbolEntry(int currency);

// The two money masks: whole units, and units with exactly two decimals.
inline constexpr std::string_view kWholeMoneyMask = "#,";
inline constexpr std::string_view kCentsMoneyMask = "#,.00";

// The currency symbol followed by the value formatted with the mask (see FormatNumber); for the
// euro "." and "," change places (1234.5 with "#,.00": $1,234.50, €1.234,50). A text that would
// hold no digit at all (a value that rounds to zero with "#,") shows a 0: "$0".
std::string FormatMoney(Money value, std::string_view mask, int currency);

// A money field's text as a plain decimal: the currency symbols removed wherever they stand, then
// the thousands separators of the currency removed and its decimal separator made a point.
// "€1.234,56" under the euro gives "1234.56"; "$1,234" under the dollar gives "1234".
std::string PlainMoneyText(std::string_view fieldText, int currency);

// What a Budget or Avg Rate field shows when it is left: the amount in whole units ("$12,000"),
// or nothing when the entry is not an amount above 0 (0, -50, abc, or too large for Money).
std::string NormalizeMoneyText(std::string_view fieldText, int currency);

// A money field's text re-shown after the currency option changed: read under the old currency,
// shown with two decimals in the new one; nothing when it is not an amount above 0.
std::string ConvertMoneyText(std::string_view fieldText, int oldCurrency, int newCurrency);
