// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Code page 1252 bytes of the euro and pound signs.
const std::string kEuroSign = "\x80";
const std::string kPoundSign = "\xA3";

struct FormatCase {
    Money value;
    std::string_view mask;
    int currency;
    std::string text;
};

TEST(FormatMoney, ShowsEachCurrencyWithItsSeparators) {
    const FormatCase cases[] = {
        {123450, kCentsMoneyMask, kDollar, "$1,234.50"},
        {123450, kCentsMoneyMask, kEuro, kEuroSign + "1.234,50"},
        {123450, kCentsMoneyMask, kPound, kPoundSign + "1,234.50"},
        {123460, kWholeMoneyMask, kPound, kPoundSign + "1,235"},
        {123456780, kCentsMoneyMask, kEuro, kEuroSign + "1.234.567,80"},
        {123456780, kWholeMoneyMask, kEuro, kEuroSign + "1.234.568"},
        // whole units round halves to even
        {250, kWholeMoneyMask, kDollar, "$2"},
        {350, kWholeMoneyMask, kDollar, "$4"},
        {123450, kWholeMoneyMask, kDollar, "$1,234"},
        {123550, kWholeMoneyMask, kDollar, "$1,236"},
        {1200000, kWholeMoneyMask, kDollar, "$12,000"},
        // below one unit
        {50, kCentsMoneyMask, kDollar, "$.50"},
        {50, kCentsMoneyMask, kEuro, kEuroSign + ",50"},
        {5, kCentsMoneyMask, kDollar, "$.05"},
        {0, kCentsMoneyMask, kDollar, "$.00"},
        // an amount that shows no whole unit still shows a digit
        {0, kWholeMoneyMask, kDollar, "$0"},
        {30, kWholeMoneyMask, kDollar, "$0"},
        {50, kWholeMoneyMask, kEuro, kEuroSign + "0"},
        {150, kWholeMoneyMask, kDollar, "$2"},
        // negative amounts
        {-123450, kCentsMoneyMask, kDollar, "-$1,234.50"},
        {-123450, kCentsMoneyMask, kEuro, "-" + kEuroSign + "1.234,50"},
        {-5000, kWholeMoneyMask, kPound, "-" + kPoundSign + "50"},
        // the largest amounts
        {std::numeric_limits<Money>::max(), kCentsMoneyMask, kDollar, "$92,233,720,368,547,758.07"},
        {std::numeric_limits<Money>::min(), kWholeMoneyMask, kDollar, "-$92,233,720,368,547,758"},
        // an option outside the table shows dollars
        {123450, kCentsMoneyMask, 7, "$1,234.50"},
        {123450, kCentsMoneyMask, -1, "$1,234.50"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " " + std::string(c.mask) + " option " +
                     std::to_string(c.currency));
        EXPECT_EQ(FormatMoney(c.value, c.mask, c.currency), c.text);
    }
}

struct PlainCase {
    std::string fieldText;
    int currency;
    std::string plain;
    std::optional<Money> amount;
};

TEST(PlainMoneyText, ReadsFieldTextsBack) {
    const PlainCase cases[] = {
        {"$1,234", kDollar, "1234", 123400},
        {kEuroSign + "1.234,56", kEuro, "1234.56", 123456},
        {kEuroSign + "1.234.567,80", kEuro, "1234567.80", 123456780},
        {kPoundSign + "1,235", kPound, "1235", 123500},
        {"1.234,56", kDollar, "1.23456", 123}, // the dot is the decimal point, the comma is dropped
        {"$12,000.555", kDollar, "12000.555", 1200056},
        {"12" + kPoundSign + "3$4" + kEuroSign, kDollar, "1234", 123400}, // signs go wherever they stand
        {"$.50", kDollar, ".50", 50},
        {"-$50", kDollar, "-50", -5000},
        {"abc", kDollar, "abc", 0},
        {"", kEuro, "", 0},
        {"99999999999999999999", kDollar, "99999999999999999999", std::nullopt},
    };
    for (const PlainCase& c : cases) {
        SCOPED_TRACE(c.fieldText);
        const std::string plain = PlainMoneyText(c.fieldText, c.currency);
        EXPECT_EQ(plain, c.plain);
        EXPECT_EQ(MoneyFromText(plain), c.amount);
    }
}

TEST(PlainMoneyText, ReadsBackWhatFormatMoneyShows) {
    const Money amounts[] = {123456780, 50, 100, 99999999999, 123450};
    for (int currency : {kDollar, kEuro, kPound}) {
        for (Money amount : amounts) {
            SCOPED_TRACE(std::to_string(amount) + " option " + std::to_string(currency));
            EXPECT_EQ(MoneyFromText(PlainMoneyText(FormatMoney(amount, kCentsMoneyMask, currency), currency)),
                      amount);
        }
    }
}

struct NormalizeCase {
    std::string typed;
    int currency;
    std::string shown;
};

TEST(NormalizeMoneyText, ShowsWholeUnitsOrNothing) {
    const NormalizeCase cases[] = {
        {"12000", kDollar, "$12,000"},
        {"  12000  ", kDollar, "$12,000"},
        {"$12,000", kDollar, "$12,000"}, // leaving the field again changes nothing
        {"12000", kEuro, kEuroSign + "12.000"},
        {kEuroSign + "12.000", kEuro, kEuroSign + "12.000"},
        {"12000", kPound, kPoundSign + "12,000"},
        {"1234.567", kDollar, "$1,235"}, // stored as 1234.57 first
        {"2.50", kDollar, "$2"},
        {"2.505", kDollar, "$2"}, // 2.505 is kept as 2.50, which shows as 2
        {"3.5", kDollar, "$4"},
        {"1.234,56", kDollar, "$1"},
        {kEuroSign + "1.234,56", kEuro, kEuroSign + "1.235"},
        {"0.30", kDollar, "$0"},
        {"0", kDollar, ""},
        {"0.004", kDollar, ""}, // rounds to no hundredth at all
        {"-50", kDollar, ""},
        {"abc", kDollar, ""},
        {"", kDollar, ""},
        {"99999999999999999999", kDollar, ""},
        {"92233720368547758.07", kDollar, "$92,233,720,368,547,758"},
        {"92233720368547758.08", kDollar, ""},
    };
    for (const NormalizeCase& c : cases) {
        SCOPED_TRACE(c.typed + " option " + std::to_string(c.currency));
        EXPECT_EQ(NormalizeMoneyText(c.typed, c.currency), c.shown);
    }
}

struct ConvertCase {
    std::string fieldText;
    int oldCurrency;
    int newCurrency;
    std::string shown;
};

TEST(ConvertMoneyText, ReadsUnderTheOldCurrencyAndShowsCentsInTheNew) {
    const ConvertCase cases[] = {
        {"$1,234", kDollar, kEuro, kEuroSign + "1.234,00"},
        {kEuroSign + "1.234", kEuro, kDollar, "$1,234.00"},
        {kEuroSign + "1.234,56", kEuro, kPound, kPoundSign + "1,234.56"},
        {kPoundSign + "12,000", kPound, kPound, kPoundSign + "12,000.00"},
        {"$1,234.50", kDollar, kEuro, kEuroSign + "1.234,50"},
        {"", kDollar, kEuro, ""},
        {"$0", kDollar, kEuro, ""},
        {"-5", kDollar, kPound, ""},
        {"99999999999999999999", kDollar, kEuro, ""},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE(c.fieldText);
        EXPECT_EQ(ConvertMoneyText(c.fieldText, c.oldCurrency, c.newCurrency), c.shown);
    }
}

TEST(MoneyFromReal, RoundsHundredthsHalvesToEven) {
    EXPECT_EQ(MoneyFromReal(1234.567), 123457);
    EXPECT_EQ(MoneyFromReal(0.125), 12);
    EXPECT_EQ(MoneyFromReal(0.135), 14);
    EXPECT_EQ(MoneyFromReal(2.675), 268); // the value as written, not the binary value just below it
    EXPECT_EQ(MoneyFromReal(-0.125), -12);
    EXPECT_EQ(MoneyFromReal(0.0), 0);
    EXPECT_FALSE(MoneyFromReal(1e17));
    EXPECT_FALSE(MoneyFromReal(-1e300));
    EXPECT_FALSE(MoneyFromReal(std::nan("")));
    EXPECT_FALSE(MoneyFromReal(HUGE_VAL));
    EXPECT_DOUBLE_EQ(MoneyToReal(123450), 1234.5);
}

} // namespace
