// SPDX-License-Identifier: GPL-3.0-or-later
// Word wrap of the dialog's text blocks, measured with one column a character.
#include "fake_measure.h"
#include "msgbox/word_wrap.h"

#include <gtest/gtest.h>

namespace {

struct WrapCase {
    const char* text;
    float width;
    const char* wrapped;
};

TEST(WordWrap, BreaksAtBlanksSoThatNoLineIsWiderThanTheWidth) {
    const std::vector<WrapCase> cases = {
        {"aaa bbb ccc", 7, "aaa bbb|ccc|"},
        {"aaa bbb", 7, "aaa bbb|"}, // exactly as wide as allowed: fits
        {"aaa bbb", 6, "aaa|bbb|"},
        {"aaa bbb ccc ddd", 3, "aaa|bbb|ccc|ddd|"},
        {"one two three four five", 9, "one two|three|four five|"},
        // A word wider than the width stands alone, unbroken, with no empty line around it.
        {"a verylongword b", 5, "a|verylongword|b|"},
        {"verylongword a", 5, "verylongword|a|"},
        {"a verylongword", 5, "a|verylongword|"},
        {"verylongword", 5, "verylongword|"},
        // The "|" breaks stay; each paragraph is wrapped on its own.
        {"aaa bbb|ccc ddd", 4, "aaa|bbb|ccc|ddd|"},
        {"a||b", 5, "a||b|"},
        // Runs of blanks inside a line are kept, blanks at the line ends are not.
        {"aaa   bbb", 20, "aaa   bbb|"},
        {"  aaa bbb  ", 3, "aaa|bbb|"},
        {"", 5, "|"},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " to " + std::to_string(c.width));
        EXPECT_EQ(WrapText(c.text, c.width, 0, FakeMeasure), c.wrapped);
    }
}

TEST(WordWrap, MeasuresInTheBlocksFont) {
    // Font 10 measures two columns a character: "aaa bbb" is 14 wide there.
    EXPECT_EQ(WrapText("aaa bbb", 10, 0, FakeMeasure), "aaa bbb|");
    EXPECT_EQ(WrapText("aaa bbb", 10, 10, FakeMeasure), "aaa|bbb|");
}

} // namespace

namespace {

TEST(WordWrap, EscapedCharactersAreMeasuredAsWhatTheyShowAndStayEscaped) {
    // "a\|b" shows as three characters: "a|b ccc" is 7 wide and fits 7.
    EXPECT_EQ(WrapText("a\\|b ccc", 7, 0, FakeMeasure), "a\\|b ccc|");
    EXPECT_EQ(WrapText("a\\|b ccc", 6, 0, FakeMeasure), "a\\|b|ccc|");
}

} // namespace
