// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/money.h"

#include "plan/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The mask with its last "#" (outside escapes) turned into "0", so that one digit always shows.
std::string WithOneDigitShown(std::string_view mask) {
    std::string forced(mask);
    size_t lastOptional = std::string::npos;
    for (size_t i = 0; i < forced.size(); ++i) {
        if (forced[i] == '\\')
            ++i;
        else if (forced[i] == '.')
            break;
        else if (forced[i] == '#')
            lastOptional = i;
    }
    if (lastOptional != std::string::npos) forced[lastOptional] = '0';
    return forced;
}

// The euro writes "." between thousands and "," before the decimals.
void ExchangeSeparators(std::string& text) {
    for (char& c : text) {
        if (c == '.')
            c = ',';
        else if (c == ',')
            c = '.';
    }
}

bool IsCurrencySign(char c) {
    return c == '$' || c == '\x80' || c == '\xA3';
}

} // namespace

std::optional<Money> MoneyFromReal(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return ToScaledInteger(DecimalFromDouble(value), 2);
}

std::optional<Money> MoneyFromText(std::string_view plainText) {
    return ToScaledInteger(ReadLeadingNumber(plainText), 2);
}

double MoneyToReal(Money value) {
    return static_cast<double>(value) / 100.0;
}

std::string_view CurrencySymbolEntry(int currency) {
    if (currency < 0 || currency >= static_cast<int>(kCurrencySymbols.size()))
        return kCurrencySymbols[kDollar];
    return kCurrencySymbols[static_cast<size_t>(currency)];
}

std::string FormatMoney(Money value, std::string_view mask, int currency) {
    const std::string symbol(CurrencySymbolEntry(currency));
    const DecimalNumber amount = DecimalFromScaled(value, 2);
    std::string text = FormatNumber(amount, symbol + std::string(mask));
    // "$" alone for an amount that rounds to zero whole units reads as a missing figure.
    if (!HasDigit(text)) text = FormatNumber(amount, symbol + WithOneDigitShown(mask));
    if (currency == kEuro) ExchangeSeparators(text);
    return text;
}

std::string PlainMoneyText(std::string_view fieldText, int currency) {
    std::string plain;
    for (char c : fieldText) {
        if (IsCurrencySign(c)) continue;
        if (currency == kEuro) {
            if (c == '.') continue;
            if (c == ',') c = '.';
        } else if (c == ',') {
            continue;
        }
        plain += c;
    }
    return plain;
}

std::string NormalizeMoneyText(std::string_view fieldText, int currency) {
    const std::optional<Money> amount = MoneyFromText(PlainMoneyText(fieldText, currency));
    if (!amount || *amount <= 0) return {};
    return FormatMoney(*amount, kWholeMoneyMask, currency);
}

std::string ConvertMoneyText(std::string_view fieldText, int oldCurrency, int newCurrency) {
    const std::optional<Money> amount = MoneyFromText(PlainMoneyText(fieldText, oldCurrency));
    if (!amount || *amount <= 0) return {};
    return FormatMoney(*amount, kCentsMoneyMask, newCurrency);
}
