// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog's layout worked out by hand with the fake measure (one column a character, one row
// a line): margins, the text column, the picture column, the button row and the minimum size.
#include "fake_measure.h"
#include "msgbox/dialog_layout.h"

#include <gtest/gtest.h>

namespace {

DialogMarkup Markup(const std::string& title, const std::string& text1, const std::string& text2,
                    const std::string& check, const std::string& buttons, const std::string& options) {
    DialogMarkup markup;
    markup.title = ParseTitle(title);
    markup.text1 = ParseTextBlock(text1);
    markup.text2 = ParseTextBlock(text2);
    markup.check = ParseCheckText(check);
    markup.buttons = ParseButtonList(buttons);
    markup.options = ParseOptions(options);
    return markup;
}

DialogLayout Layout(const DialogMarkup& markup, std::optional<PictureSize> picture = std::nullopt) {
    return LayoutDialog(markup, picture, FakeMeasure);
}

float RowLeft(const DialogLayout& layout) {
    return layout.buttons.front().col;
}
float RowRight(const DialogLayout& layout) {
    return layout.buttons.back().right();
}

// "Twelve chars" is 12 wide (13 as a block); "Short" 5 (6); the button is at least 8.
const char* const kLong = "Twelve chars";
const char* const kShort = "Short";

TEST(DialogLayout, SizesItselfToTheWidestBlockWithMarginsAround) {
    const DialogLayout layout = Layout(Markup("T", kShort, kLong, "", "&OK{G}", ""));
    EXPECT_FLOAT_EQ(layout.horizontalMargin, 1.0F);
    EXPECT_FLOAT_EQ(layout.verticalMargin, 0.5F);
    EXPECT_FLOAT_EQ(layout.textColumnWidth, 13.0F);
    EXPECT_FLOAT_EQ(layout.width, 1 + 13 + 1);
    ASSERT_TRUE(layout.text1 && layout.text2);
    // Both labels span the text column, one under the other from the top margin.
    EXPECT_FLOAT_EQ(layout.text1->box.col, 1);
    EXPECT_FLOAT_EQ(layout.text1->box.row, 0.5F);
    EXPECT_FLOAT_EQ(layout.text1->box.width, 13);
    EXPECT_FLOAT_EQ(layout.text1->box.height, 1);
    EXPECT_FLOAT_EQ(layout.text2->box.row, 1.5F);
    EXPECT_FLOAT_EQ(layout.text2->box.width, 13);
    // Texts end at 2.5; a margin, the 1.5 row, a margin.
    EXPECT_FLOAT_EQ(layout.height, 2.5F + 0.5F + 1.5F + 0.5F);
    ASSERT_EQ(layout.buttons.size(), 1U);
    EXPECT_FLOAT_EQ(layout.buttons[0].row, 3.0F);
    EXPECT_FLOAT_EQ(layout.buttons[0].width, 8);
    EXPECT_FLOAT_EQ(layout.buttons[0].height, 1.5F);
    EXPECT_FLOAT_EQ(RowLeft(layout), 1); // without C the row starts at the text column
    EXPECT_FALSE(layout.picture.has_value());
    EXPECT_FALSE(layout.check.has_value());
}

TEST(DialogLayout, CentreOptionCentresTheButtonRowAndTheCheckboxUnderTheTexts) {
    const DialogLayout layout = Layout(Markup("T", kLong, "", "Tick", "&Yes|&No", "C"));
    // Row: 8 + 1 + 8 = 17 wide, the widest thing: the column is 17.
    EXPECT_FLOAT_EQ(layout.textColumnWidth, 17);
    EXPECT_FLOAT_EQ(RowLeft(layout), 1);
    const DialogLayout wide =
        Layout(Markup("T", "A text of thirty characters ok", "", "Tick", "&Yes|&No", "C"));
    const float column = wide.textColumnWidth;
    EXPECT_FLOAT_EQ(column, 31);
    const float centre = 1 + column / 2;
    EXPECT_FLOAT_EQ((RowLeft(wide) + RowRight(wide)) / 2, centre);
    ASSERT_TRUE(wide.check);
    EXPECT_FLOAT_EQ(wide.check->box.col + wide.check->box.width / 2, centre);
    // Without C both start at the text column's left edge.
    const DialogLayout left =
        Layout(Markup("T", "A text of thirty characters ok", "", "Tick", "&Yes|&No", ""));
    EXPECT_FLOAT_EQ(RowLeft(left), 1);
    EXPECT_FLOAT_EQ(left.check->box.col, 1);
}

TEST(DialogLayout, RightAlignOptionEndsTheRowOneMarginFromTheRightEdgeEvenWhenCentred) {
    for (const char* options : {"J", "CJ", "LJ"}) {
        SCOPED_TRACE(options);
        const DialogLayout layout =
            Layout(Markup("T", "A text of thirty characters ok", "", "", "&Yes|&No", options));
        EXPECT_FLOAT_EQ(RowRight(layout), layout.width - layout.horizontalMargin);
        EXPECT_FLOAT_EQ(layout.buttons[1].col - layout.buttons[0].right(), 1.0F);
    }
}

TEST(DialogLayout, EvenWidthsOptionGivesEveryButtonTheWidestWidth) {
    const std::string buttons = "&Yes|A much longer caption|&No{w9}";
    const DialogLayout even = Layout(Markup("T", "x", "", "", buttons, "W"));
    ASSERT_EQ(even.buttons.size(), 3U);
    for (const Box& box : even.buttons)
        EXPECT_FLOAT_EQ(box.width, 21 + 1);
    const DialogLayout uneven = Layout(Markup("T", "x", "", "", buttons, ""));
    EXPECT_FLOAT_EQ(uneven.buttons[0].width, 8);
    EXPECT_FLOAT_EQ(uneven.buttons[1].width, 22);
    EXPECT_FLOAT_EQ(uneven.buttons[2].width, 9);
    // The row: widths plus one column between neighbours.
    EXPECT_FLOAT_EQ(RowRight(uneven) - RowLeft(uneven), 8 + 1 + 22 + 1 + 9);
}

TEST(DialogLayout, ButtonWidthFollowsTheCaptionInTheButtonsFont) {
    // "&Cancel" is 7 wide: 8 fits; in font 10 it is 14 wide and the button grows to 15.
    EXPECT_FLOAT_EQ(Layout(Markup("T", "x", "", "", "&Cancel", "")).buttons[0].width, 8);
    EXPECT_FLOAT_EQ(Layout(Markup("T", "x", "", "", "&Cancel{f10}", "")).buttons[0].width, 15);
    // A font below 0 measures in font 0.
    EXPECT_FLOAT_EQ(Layout(Markup("T", "x", "", "", "A caption of 12{f-3}", "")).buttons[0].width, 16);
}

TEST(DialogLayout, ButtonsOfDifferentHeightsShareTheirBottomEdge) {
    const DialogLayout layout = Layout(Markup("T", "x", "", "", "a{h1}|b{h3}|c", ""));
    const float bottom = layout.height - layout.verticalMargin;
    for (const Box& box : layout.buttons)
        EXPECT_FLOAT_EQ(box.bottom(), bottom);
    EXPECT_FLOAT_EQ(layout.buttons[1].row, bottom - 3);
    // The tallest button sets the row: text 0.5..1.5, margin, row of 3, margin.
    EXPECT_FLOAT_EQ(layout.height, 1.5F + 0.5F + 3 + 0.5F);
}

TEST(DialogLayout, LargeMarginsDoubleBothMargins) {
    const DialogLayout small = Layout(Markup("T", kLong, "", "", "&OK", ""));
    const DialogLayout large = Layout(Markup("T", kLong, "", "", "&OK", "L"));
    EXPECT_FLOAT_EQ(large.horizontalMargin, 2);
    EXPECT_FLOAT_EQ(large.verticalMargin, 1);
    EXPECT_FLOAT_EQ(large.text1->box.col, 2);
    EXPECT_FLOAT_EQ(large.text1->box.row, 1);
    EXPECT_FLOAT_EQ(large.width, small.width + 2);
    EXPECT_FLOAT_EQ(large.height, small.height + 1.5F); // top, gap and bottom margins grow by 0.5
    EXPECT_FLOAT_EQ(large.buttons[0].bottom(), large.height - 1);
}

TEST(DialogLayout, CheckboxLineHasRoomForItsBoxAndComesAfterTheTexts) {
    const DialogLayout layout = Layout(Markup("T", kShort, kShort, "Don't ask again|next", "&OK", ""));
    ASSERT_TRUE(layout.check);
    EXPECT_EQ(layout.check->text, "Don't ask again|next");
    EXPECT_FLOAT_EQ(layout.check->box.width, 15 + 3);
    EXPECT_FLOAT_EQ(layout.check->box.height, 2 + 0.5F);
    EXPECT_FLOAT_EQ(layout.check->box.row, 0.5F + 1 + 1);
    EXPECT_FLOAT_EQ(layout.textColumnWidth, 18);
}

TEST(DialogLayout, EmptyTextsTakeNoRoom) {
    const DialogLayout layout = Layout(Markup("T", "", kLong, "", "&OK", ""));
    EXPECT_FALSE(layout.text1.has_value());
    ASSERT_TRUE(layout.text2);
    EXPECT_FLOAT_EQ(layout.text2->box.row, 0.5F); // where text 1 would have been
    const DialogLayout both = Layout(Markup("T", kShort, kLong, "", "&OK", ""));
    EXPECT_FLOAT_EQ(both.height - layout.height, 1.0F);
    // A text with only a brace group shows nothing and takes no room either.
    EXPECT_FALSE(Layout(Markup("T", "{f10}", kLong, "", "&OK", "")).text1.has_value());
    EXPECT_FALSE(Layout(Markup("T", "x", "", "  {f6}", "&OK", "")).check.has_value());
}

TEST(DialogLayout, LinesAddTheirHeightsAndTheWidestLineSetsTheWidth) {
    const DialogLayout layout = Layout(Markup("T", "Headline{f10}", "one|three lines|x", "", "&OK", ""));
    EXPECT_FLOAT_EQ(layout.text1->box.height, 1.5F);
    EXPECT_FLOAT_EQ(layout.text2->box.row, 0.5F + 1.5F);
    EXPECT_FLOAT_EQ(layout.text2->box.height, 3);
    EXPECT_EQ(layout.text2->text, "one|three lines|x");
    EXPECT_FLOAT_EQ(layout.textColumnWidth, 16 + 1); // "Headline" in font 10
}

TEST(DialogLayout, WrappedBlockIsMeasuredWithItsClosingEmptyLine) {
    const DialogLayout layout = Layout(Markup("T", "aaa bbb ccc{w7}", "", "", "&OK", ""));
    ASSERT_TRUE(layout.text1);
    EXPECT_EQ(layout.text1->text, "aaa bbb|ccc|");
    EXPECT_FLOAT_EQ(layout.text1->box.height, 3);
    EXPECT_FLOAT_EQ(layout.text1->box.width, 8); // the row of 8 is wider than 7 + 1
}

TEST(DialogLayout, MinimumWidthWidensTheTextColumnAndMinimumHeightMovesTheTextsDown) {
    const DialogMarkup plain = Markup("T", kShort, kLong, "Tick", "&OK", "C");
    const DialogLayout base = Layout(plain);
    // Not larger than needed: nothing changes.
    const DialogLayout small = Layout(Markup("T{W5,H2}", kShort, kLong, "Tick", "&OK", "C"));
    EXPECT_FLOAT_EQ(small.width, base.width);
    EXPECT_FLOAT_EQ(small.height, base.height);
    EXPECT_FLOAT_EQ(small.text1->box.row, base.text1->box.row);

    const float extraWidth = 10, extraHeight = 4;
    const std::string title = "T{W" + std::to_string(base.width + extraWidth) + ",H" +
                              std::to_string(base.height + extraHeight) + "}";
    const DialogLayout big = Layout(Markup(title, kShort, kLong, "Tick", "&OK", "C"));
    EXPECT_FLOAT_EQ(big.width, base.width + extraWidth);
    EXPECT_FLOAT_EQ(big.textColumnWidth, base.textColumnWidth + extraWidth);
    EXPECT_FLOAT_EQ(big.text1->box.width, base.text1->box.width + extraWidth);
    EXPECT_FLOAT_EQ(big.height, base.height + extraHeight);
    EXPECT_FLOAT_EQ(big.text1->box.row, base.text1->box.row + extraHeight / 2);
    EXPECT_FLOAT_EQ(big.text2->box.row, base.text2->box.row + extraHeight / 2);
    EXPECT_FLOAT_EQ(big.check->box.row, base.check->box.row + extraHeight / 2);
    // The row stays at the bottom and centred under the widened column.
    EXPECT_FLOAT_EQ(big.buttons[0].bottom(), big.height - big.verticalMargin);
    EXPECT_FLOAT_EQ((RowLeft(big) + RowRight(big)) / 2, 1 + big.textColumnWidth / 2);
}

TEST(DialogLayout, PictureAddsItsColumnAtTheLeft) {
    const DialogMarkup markup = Markup("T", kShort, kLong, "", "&OK", "C");
    const DialogLayout without = Layout(markup);
    const DialogLayout with = Layout(markup, PictureSize{5, 6});
    ASSERT_TRUE(with.picture);
    EXPECT_FLOAT_EQ(with.picture->col, 1);
    EXPECT_FLOAT_EQ(with.picture->row, 0.5F);
    EXPECT_FLOAT_EQ(with.picture->width, 5 + 2);
    EXPECT_FLOAT_EQ(with.picture->height, 6);
    EXPECT_FLOAT_EQ(with.width, without.width + 7);
    EXPECT_FLOAT_EQ(with.text1->box.col, 7 + 1);
    EXPECT_FLOAT_EQ(with.text1->box.width, without.text1->box.width);
    // Taller than the texts and buttons: the picture sets the height.
    EXPECT_FLOAT_EQ(with.height, std::max(without.height, 6 + 1.0F));
    EXPECT_FLOAT_EQ(Layout(markup, PictureSize{1, 20}).height, 21);
    EXPECT_FLOAT_EQ((RowLeft(with) + RowRight(with)) / 2, 8 + with.textColumnWidth / 2);

    // A picture that could not be loaded keeps its column's margin but shows nothing.
    const DialogLayout missing = Layout(markup, PictureSize{0, 0});
    EXPECT_FALSE(missing.picture.has_value());
    EXPECT_FLOAT_EQ(missing.text1->box.col, 2 + 1);
}

TEST(DialogLayout, NoButtonsMakeNoRow) {
    const DialogLayout layout = Layout(Markup("T", kLong, "", "", "", "C"));
    EXPECT_TRUE(layout.buttons.empty());
    EXPECT_FLOAT_EQ(layout.textColumnWidth, 13);
    EXPECT_FLOAT_EQ(layout.height, 1.5F + 1.0F);
}

} // namespace
