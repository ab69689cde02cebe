// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

struct LeadingCase {
    const char* text;
    double value;
    std::int32_t integer;
};

TEST(LeadingNumber, ReadsTheLongestLeadingSignedDecimal) {
    const LeadingCase cases[] = {
        {"12000", 12000, 12000},
        {"  7.25", 7.25, 7},
        {"\t-3", -3, -3},
        {"+4.5", 4.5, 4},   // half to even
        {"5.5", 5.5, 6},    // half to even
        {"-2.5", -2.5, -2}, // half to even
        {"2.5000001", 2.5000001, 3},
        {"1,234", 1, 1},   // a thousands separator ends the number
        {"$1234", 0, 0},   // so does a currency sign
        {"1.2.3", 1.2, 1}, // at most one decimal point
        {".5", 0.5, 0},
        {"-.75x", -0.75, -1},
        {"1e5", 1, 1},     // no exponent
        {"12 34", 12, 12}, // blanks end the number
        {"- 5", 0, 0},     // the sign must touch the digits
        {"abc", 0, 0},
        {"", 0, 0},
        {"-", 0, 0},
        {".", 0, 0},
        {"007", 7, 7},
    };
    for (const LeadingCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumberValue(c.text), c.value);
        EXPECT_EQ(LeadingInteger(c.text), c.integer);
    }
}

TEST(LeadingNumber, IntegersBeyond32BitsAreClamped) {
    EXPECT_EQ(LeadingInteger("2147483647"), 2147483647);
    EXPECT_EQ(LeadingInteger("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LeadingInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(LeadingInteger("-2147483649"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(LeadingInteger("99999999999999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LeadingInteger("-99999999999999999999999999999.5"), std::numeric_limits<std::int32_t>::min());
}

TEST(LeadingNumber, HugeAndTinyTextsGiveFiniteValues) {
    const std::string huge(500, '9');
    EXPECT_EQ(LeadingNumberValue(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumberValue("-" + huge), -std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumberFloat("1e0" + std::string(60, '0')), 1.0f);
    EXPECT_EQ(LeadingNumberFloat(std::string(60, '9')), std::numeric_limits<float>::max());
    EXPECT_EQ(LeadingNumberValue("0." + std::string(500, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumberFloat("7.2"), 7.2f);
}

struct RoundCase {
    const char* text;
    int places;
    const char* rounded;
};

TEST(DecimalNumber, RoundsHalvesToEvenOnDecimalDigits) {
    const RoundCase cases[] = {
        {"2.5", 0, "2"},
        {"3.5", 0, "4"},
        {"-2.5", 0, "-2"},
        {"-3.5", 0, "-4"},
        {"2.675", 2, "2.68"},
        {"2.665", 2, "2.66"},
        {"2.6651", 2, "2.67"},
        {"9.995", 2, "10"},
        {"999.5", 0, "1000"},
        {"0.05", 1, "0"},
        {"0.15", 1, "0.2"},
        {"-0.4", 0, "0"},
        {"1234.567", 2, "1234.57"},
        {"7", 3, "7"},
        {"0.5", 0, "0"},
        {"1.5", 0, "2"},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " to " + std::to_string(c.places));
        EXPECT_EQ(PlainDecimalText(RoundToPlaces(ReadLeadingNumber(c.text), c.places)), c.rounded);
    }
}

TEST(DecimalNumber, ScaledIntegersReportWhatDoesNotFit) {
    EXPECT_EQ(ToScaledInteger(ReadLeadingNumber("1234.565"), 2), 123456);
    EXPECT_EQ(ToScaledInteger(ReadLeadingNumber("9223372036854775807"), 0),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ToScaledInteger(ReadLeadingNumber("-9223372036854775808"), 0),
              std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(ToScaledInteger(ReadLeadingNumber("9223372036854775808"), 0));
    EXPECT_FALSE(ToScaledInteger(ReadLeadingNumber("-9223372036854775809"), 0));
    EXPECT_FALSE(ToScaledInteger(ReadLeadingNumber("99999999999999999999"), 2));
    EXPECT_FALSE(ToScaledInteger(ReadLeadingNumber("92233720368547758.08"), 2));
    EXPECT_EQ(ToScaledInteger(ReadLeadingNumber("0.000"), 4), 0);
}

TEST(DecimalNumber, BinaryValuesBecomeTheirShortestDecimal) {
    EXPECT_EQ(PlainDecimalText(DecimalFromFloat(7.35f)), "7.35");
    EXPECT_EQ(PlainDecimalText(DecimalFromDouble(0.1 + 0.2)), "0.30000000000000004");
    EXPECT_EQ(PlainDecimalText(DecimalFromDouble(-1234.5)), "-1234.5");
    EXPECT_EQ(PlainDecimalText(DecimalFromDouble(-0.0)), "0");
    EXPECT_EQ(PlainDecimalText(DecimalFromDouble(std::nan(""))), "0");
    EXPECT_EQ(PlainDecimalText(DecimalFromScaled(-5, 2)), "-0.05");
    EXPECT_EQ(PlainDecimalText(DecimalFromScaled(std::numeric_limits<std::int64_t>::min(), 2)),
              "-92233720368547758.08");
}

struct MaskCase {
    const char* number; // read as an exact decimal
    const char* mask;
    const char* text;
};

TEST(FormatNumber, FollowsTheMask) {
    const MaskCase cases[] = {
        // grouping, and rounding to the last digit place halves to even
        {"1234.5", "#,.00", "1,234.50"},
        {"1234.5", "#,", "1,234"},
        {"1235.5", "#,", "1,236"},
        {"2.5", "#,", "2"},
        {"3.5", "#,", "4"},
        {"1234567.8", "#,.00", "1,234,567.80"},
        {"999999.995", "#,.00", "1,000,000.00"},
        {"123", "#,", "123"},
        {"1234", "#", "1234"},
        // "#" shows no insignificant digit
        {"0.5", "#,.00", ".50"},
        {"0", "#", ""},
        {"0.4", "#", ""},
        {"0", "#.##", "."},
        {"1.5", "#.##", "1.5"},
        {"1.05", "#.##", "1.05"},
        // "0" always shows a digit
        {"0", "0.0", "0.0"},
        {"7.25", "0.0", "7.2"},
        {"7.35", "0.0", "7.4"},
        {"100", "0.0", "100.0"},
        {"5", "0,000", "0,005"},
        {"5", "#0", "5"},
        {"5", "0#", "05"},
        {"123", "00", "123"},
        // literals and escapes
        {"19", " \\'00", " '19"},
        {"5", " \\'00", " '05"},
        {"12.5", "0.0\\%", "12.5%"},
        {"2018", "0000\\-", "2018-"},
        {"7", "00\\/", "07/"},
        {"3", "# ads", "3 ads"},
        {"1234.5", "\\#0", "#1234"}, // "\#" is a literal
        {"4", "0.0.0", "4.0.0"},     // a second point is a literal
        {"4", "x\\", "x"},           // a lone backslash at the end shows nothing
        {"12.5", ".00", "12.50"},    // whole digits show even without a whole place
        {"5", "abc", "abc"},         // a mask without digit places shows no number
        // negative values
        {"-3", "0.0", "-3.0"},
        {"-1234.5", "$#,.00", "-$1,234.50"},
        {"-0.04", "0.0", "0.0"}, // rounds to zero: no sign
        {"-0.5", "#", ""},
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " with " + c.mask);
        EXPECT_EQ(FormatNumber(ReadLeadingNumber(c.number), c.mask), c.text);
    }
}

TEST(FormatNumber, BinaryValuesRoundOnTheirDecimalDigits) {
    EXPECT_EQ(FormatNumber(7.35f, "0.0"), "7.4");   // the float lies just below 7.35
    EXPECT_EQ(FormatNumber(2.675, "0.00"), "2.68"); // the double lies just below 2.675
    EXPECT_EQ(FormatNumber(8.25f, "0.0"), "8.2");
    EXPECT_EQ(FormatNumber(1e20, "#,"), "100,000,000,000,000,000,000");
    EXPECT_EQ(FormatNumber(std::int64_t{-1234567}, "#,"), "-1,234,567");
    EXPECT_EQ(FormatNumber(2019 % 100, " \\'00"), " '19");
    EXPECT_EQ(FormatNumber(0, "#"), "");
}

TEST(IntegerText, HasNoLeadingBlank) {
    EXPECT_EQ(IntegerText(65), "65");
    EXPECT_EQ(IntegerText(-5), "-5");
    EXPECT_EQ(IntegerText(0), "0");
}

} // namespace
