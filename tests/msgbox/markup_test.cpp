// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the dialog's markup: brace groups, the keys of each place, the button list and the
// option letters.
#include "msgbox/brace_group.h"
#include "msgbox/dialog_markup.h"
#include "msgbox/markup_literal.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* text;
    const char* shown;
    std::vector<std::pair<char, float>> items;
};

TEST(BraceGroup, SplitsShownTextFromItsGroup) {
    const std::vector<SplitCase> cases = {
        {"Save your changes?{f7}", "Save your changes?", {{'F', 7}}},
        {"  plain text  ", "plain text", {}},
        {"Headline {f10,t4}", "Headline", {{'F', 10}, {'T', 4}}},
        {"x{ f 10 ,  W12.5 }", "x", {{'F', 10}, {'W', 12.5F}}},
        {"&OK{G,f7}", "&OK", {{'G', 0}, {'F', 7}}},
        {"{t-1}", "", {{'T', -1}}},
        {"a{,,b}", "a", {{'B', 0}}},
        {"a{}", "a", {{'}', 0}}}, // an item of no known key, ignored by every place
        // Only the first "{" opens the group; what follows it is read as items.
        {"a{w3}b{f4}", "a", {{'W', 3}}},
        {"one|two{f6}", "one|two", {{'F', 6}}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.text);
        const MarkedText marked = SplitMarkup(c.text);
        EXPECT_EQ(marked.shown, c.shown);
        ASSERT_EQ(marked.items.size(), c.items.size());
        for (size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(marked.items[i].key, c.items[i].first);
            EXPECT_FLOAT_EQ(marked.items[i].value, c.items[i].second);
        }
    }
}

TEST(BraceGroup, NumbersAreReadAsTheirLeadingNumber) {
    const std::vector<std::pair<const char*, float>> cases = {
        {"7}", 7}, {"12.5x", 12.5F}, {"  -3", -3}, {"+2", 2}, {".5", 0.5F}, {"1.2.3", 1.2F},
        {"", 0},   {"}", 0},         {"-", 0},     {".", 0},  {"x9", 0},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_FLOAT_EQ(LeadingNumber(text), value);
    }
    EXPECT_EQ(RoundedMarkupNumber(2.5F), 2);
    EXPECT_EQ(RoundedMarkupNumber(3.5F), 4);
    EXPECT_EQ(RoundedMarkupNumber(-1.0F), -1);
    EXPECT_EQ(RoundedMarkupNumber(1e30F), 0);
}

TEST(DialogMarkup, TitleKeepsItsCaptionBackgroundAndMinimumSize) {
    const TitleMarkup plain = ParseTitle("Rebuild All Business Profiles");
    EXPECT_EQ(plain.caption, "Rebuild All Business Profiles");
    EXPECT_FALSE(plain.background.has_value());
    EXPECT_EQ(plain.textBackground(), kButtonFaceColour);
    EXPECT_FLOAT_EQ(plain.minWidth, 0);
    EXPECT_FLOAT_EQ(plain.minHeight, 0);

    const TitleMarkup marked = ParseTitle("Note {b15, w40, h12.5, f7}");
    EXPECT_EQ(marked.caption, "Note");
    EXPECT_EQ(marked.background, 15);
    EXPECT_EQ(marked.textBackground(), 15);
    EXPECT_FLOAT_EQ(marked.minWidth, 40);
    EXPECT_FLOAT_EQ(marked.minHeight, 12.5F);
    // A B without a number is palette index 0, not "no background".
    EXPECT_EQ(ParseTitle("x{B}").background, 0);
}

TEST(DialogMarkup, TextBlocksWrapButTheCheckTextDoesNot) {
    const TextMarkup text = ParseTextBlock("Headline{F10,T4,W30,B9}");
    EXPECT_EQ(text.shown, "Headline");
    EXPECT_EQ(text.font, 10);
    EXPECT_EQ(text.colour, 4);
    EXPECT_FLOAT_EQ(text.wrapWidth, 30);

    const TextMarkup check = ParseCheckText("Don't ask again{f6,t2,w5}");
    EXPECT_EQ(check.shown, "Don't ask again");
    EXPECT_EQ(check.font, 6);
    EXPECT_EQ(check.colour, 2);
    EXPECT_FLOAT_EQ(check.wrapWidth, 0);

    const TextMarkup bare = ParseTextBlock("just text");
    EXPECT_EQ(bare.font, 0);
    EXPECT_EQ(bare.colour, 0);
    EXPECT_FLOAT_EQ(bare.wrapWidth, 0);
}

TEST(DialogMarkup, ButtonsTakeTheDefaultsThenTheirOwnGroup) {
    const std::vector<ButtonMarkup> one = ParseButtonList("&OK{G,f7}");
    ASSERT_EQ(one.size(), 1U);
    EXPECT_EQ(one[0].caption, "&OK");
    EXPECT_EQ(one[0].style, ButtonStyle::Standard);
    EXPECT_EQ(one[0].font, 7);
    EXPECT_FLOAT_EQ(one[0].minWidth, 8.0F);
    EXPECT_FLOAT_EQ(one[0].height, 1.5F);
    EXPECT_EQ(one[0].face, kButtonFaceColour);
    EXPECT_EQ(one[0].textColour, 0);

    // The defaults item creates no button and changes only the buttons after it.
    const std::vector<ButtonMarkup> list =
        ParseButtonList("&First | *{3,b12,w10} | &Second | &Third{E,t15,h2}");
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[0].caption, "&First");
    EXPECT_EQ(list[0].style, ButtonStyle::Colour);
    EXPECT_EQ(list[0].face, kButtonFaceColour);
    EXPECT_EQ(list[1].caption, "&Second");
    EXPECT_EQ(list[1].style, ButtonStyle::Raised);
    EXPECT_EQ(list[1].face, 12);
    EXPECT_FLOAT_EQ(list[1].minWidth, 10);
    EXPECT_EQ(list[2].style, ButtonStyle::Etched);
    EXPECT_EQ(list[2].face, 12);
    EXPECT_EQ(list[2].textColour, 15);
    EXPECT_FLOAT_EQ(list[2].height, 2);
    EXPECT_EQ(list[1].textColour, 0); // a button's own group does not change the defaults

    const std::vector<ButtonMarkup> yesNo = ParseButtonList("*{G,f7}|&Yes|&No");
    ASSERT_EQ(yesNo.size(), 2U);
    for (const ButtonMarkup& b : yesNo) {
        EXPECT_EQ(b.style, ButtonStyle::Standard);
        EXPECT_EQ(b.font, 7);
    }
}

TEST(DialogMarkup, EveryStyleLetterAndItsDrawingCode) {
    const std::vector<ButtonMarkup> list = ParseButtonList("a{G}|b{C}|c{3}|d{r}|e{e}|f{Z9}|g{3,G}");
    ASSERT_EQ(list.size(), 7U);
    const std::vector<ButtonStyle> styles = {ButtonStyle::Standard, ButtonStyle::Colour, ButtonStyle::Raised,
                                             ButtonStyle::Rounded,  ButtonStyle::Etched, ButtonStyle::Colour,
                                             ButtonStyle::Standard};
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].style, styles[i]) << list[i].caption;
    EXPECT_EQ(StyleCode(ButtonStyle::Standard), 0);
    EXPECT_EQ(StyleCode(ButtonStyle::Colour), 0);
    EXPECT_EQ(StyleCode(ButtonStyle::Raised), 3);
    EXPECT_EQ(StyleCode(ButtonStyle::Rounded), 4);
    EXPECT_EQ(StyleCode(ButtonStyle::Etched), 5);
}

TEST(DialogMarkup, OnlyTheFirstTenItemsAreReadAndEmptyOnesMakeNoButton) {
    EXPECT_EQ(ParseButtonList("a||  |b|").size(), 2U);
    EXPECT_TRUE(ParseButtonList("").empty());
    EXPECT_TRUE(ParseButtonList("*{G}").empty());
    EXPECT_EQ(ParseButtonList("1|2|3|4|5|6|7|8|9|10|11|12").size(), 10U);
    // A defaults item and an empty item count among the ten.
    const std::vector<ButtonMarkup> list = ParseButtonList("*{G}|1||3|4|5|6|7|8|9|10|11");
    ASSERT_EQ(list.size(), 8U);
    EXPECT_EQ(list.back().caption, "9");
}

TEST(DialogMarkup, OptionLettersInAnyOrderAndCase) {
    const DialogOptions none = ParseOptions("");
    EXPECT_FALSE(none.centre || none.rightAlign || none.evenWidths || none.largeMargins);
    EXPECT_EQ(none.pictureProps, "");

    const DialogOptions all = ParseOptions("sRfLwJc");
    EXPECT_TRUE(all.centre);
    EXPECT_TRUE(all.rightAlign);
    EXPECT_TRUE(all.evenWidths);
    EXPECT_TRUE(all.largeMargins);
    EXPECT_EQ(all.pictureProps, "FRS");

    const DialogOptions some = ParseOptions("s x c");
    EXPECT_TRUE(some.centre);
    EXPECT_FALSE(some.rightAlign);
    EXPECT_EQ(some.pictureProps, "S");
}

} // namespace

namespace {

// Texts from users, files and servers: written with MarkupLiteral they come back as they are,
// and the caller's own markup after them still counts.
TEST(MarkupLiteral, UserTextsAreShownAsTheyAreAndTheCallersMarkupStillCounts) {
    const char* const texts[] = {"Bob{s|Deli", "{f10}", "a|b", "C:\\Data\\", "\\{", "x\\|y", "plain", ""};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string marked = "Delete \"" + MarkupLiteral(text) + "\"?{f10}";
        const TextMarkup block = ParseTextBlock(marked);
        EXPECT_EQ(ShownLines(block.shown), std::vector<std::string>{"Delete \"" + std::string(text) + "\"?"});
        EXPECT_EQ(block.font, 10);
        EXPECT_EQ(ParseTitle(MarkupLiteral(text) + "{w30}").caption, text);
        EXPECT_FLOAT_EQ(ParseTitle(MarkupLiteral(text) + "{w30}").minWidth, 30);
    }
}

TEST(MarkupLiteral, UnescapedMarkupKeepsItsMeaningAndLoneBackslashesStay) {
    EXPECT_EQ(ShownLines(ParseTextBlock("one|two{f6}").shown), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(ShownLines("C:\\dir\\file"), std::vector<std::string>{"C:\\dir\\file"});
    EXPECT_EQ(ShownLines("a\\|b|c"), (std::vector<std::string>{"a|b", "c"}));
    // A button list split only at its unescaped bars.
    const std::vector<ButtonMarkup> buttons = ParseButtonList("&Keep a\\|b|&Drop");
    ASSERT_EQ(buttons.size(), 2U);
    EXPECT_EQ(buttons[0].caption, "&Keep a|b");
}

} // namespace
