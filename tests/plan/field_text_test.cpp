// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/field_text.h"

#include <gtest/gtest.h>

namespace {

struct PercentCase {
    const char* typed;
    const char* shown;
};

TEST(NormalizePercentText, ShowsOneDecimalRoundedHalvesToEven) {
    const PercentCase cases[] = {
        {"7.25", "7.2"},
        {"7.35", "7.4"},
        {"7.2", "7.2"},
        {"10", "10.0"},
        {"", "0.0"},
        {"abc", "0.0"},
        {"-3", "-3.0"},
        {"-0.04", "0.0"},
        {".05", "0.0"},
        {".15", "0.2"},
        {" 8.3%", "8.3"},
        {"12,5", "12.0"},
        {"99.95", "100.0"},
        {"7.250001", "7.3"},
        // beyond a 32-bit count of tenths the value is held at its limit
        {"99999999999999999999", "214748364.7"},
        {"-99999999999999999999", "-214748364.8"},
        {"214748364.7", "214748364.7"},
        {"214748364.8", "214748364.7"},
    };
    for (const PercentCase& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(NormalizePercentText(c.typed), c.shown);
    }
}

TEST(TrimText, RemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimText("  Joe's Florist \t"), "Joe's Florist");
    EXPECT_EQ(TrimText("a  b"), "a  b");
    EXPECT_EQ(TrimText("   "), "");
    EXPECT_EQ(TrimText(""), "");
    EXPECT_EQ(TrimText("\xA3x "), "\xA3x");
}

} // namespace
