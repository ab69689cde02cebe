// SPDX-License-Identifier: GPL-3.0-or-later
// How the text looks: character formats, colours, sizes and paragraph layout.
#include "tests/rtf/shown_document.h"

#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

// Qt adds AlignAbsolute to right alignment; a reader sees only the side.
Qt::Alignment Side(const QTextBlock& block) {
    return block.blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
}

Look Plain() {
    return Look();
}
Look Bold() {
    return Look().Bold();
}

struct LookCase {
    const char* what;
    std::string_view rtf;
    QString text; // a word of the shown text
    Look look;
};

TEST(RtfFormat, CharacterFormats) {
    const char* kColours = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;;}"
                           "\\cf1 red \\cf2 blue \\cf3 automatic \\cf9 missing \\cf0 back}";
    const LookCase cases[] = {
        {"bold in a group", "{\\rtf1 plain {\\b bold} after}", u"bold"_qs, Bold()},
        {"group end restores", "{\\rtf1 plain {\\b bold} after}", u"after"_qs, Plain()},
        {"bold switched off with 0", "{\\rtf1 \\b on\\b0 off}", u"off"_qs, Plain()},
        {"bold switched on with 1", "{\\rtf1 \\b1 on\\b0 off}", u"on"_qs, Bold()},
        {"italic", "{\\rtf1 \\i slanted\\i0 upright}", u"slanted"_qs, Look().Italic()},
        {"italic off", "{\\rtf1 \\i slanted\\i0 upright}", u"upright"_qs, Plain()},
        {"underline", "{\\rtf1 \\ul under\\ul0 flat}", u"under"_qs, Look().Underline()},
        {"underline off with 0", "{\\rtf1 \\ul under\\ul0 flat}", u"flat"_qs, Plain()},
        {"underline off with \\ulnone", "{\\rtf1 \\ul under\\ulnone flat}", u"flat"_qs, Plain()},
        {"double underline shown as underline", "{\\rtf1 \\uldb double}", u"double"_qs, Look().Underline()},
        {"all three", "{\\rtf1 \\b\\i\\ul all\\plain none}", u"all"_qs, Look().Bold().Italic().Underline()},
        {"\\plain resets", "{\\rtf1 \\b\\i\\ul\\fs40 all\\plain none}", u"none"_qs, Plain()},
        {"font size in half points", "{\\rtf1 \\fs32 big \\fs17 small}", u"big"_qs, Look().Points(16)},
        {"half a point", "{\\rtf1 \\fs32 big \\fs17 small}", u"small"_qs, Look().Points(8.5)},
        {"\\fs alone is 12 points", "{\\rtf1 \\fs twelve}", u"twelve"_qs, Look().Points(12)},
        {"size restored by the group", "{\\rtf1 \\fs40 {\\fs20\\b inner} outer}", u"outer"_qs,
         Look().Points(20)},
        {"inner group keeps both", "{\\rtf1 \\fs40 {\\fs20\\b inner} outer}", u"inner"_qs,
         Look().Bold().Points(10)},
        {"colour from the table", kColours, u"red"_qs, Look().Colour(u"#ff0000"_qs)},
        {"second colour", kColours, u"blue"_qs, Look().Colour(u"#0080ff"_qs)},
        {"empty entry is the automatic colour", kColours, u"automatic"_qs, Plain()},
        {"index past the table", kColours, u"missing"_qs, Plain()},
        {"\\cf0 is the automatic colour", kColours, u"back"_qs, Plain()},
        {"word after \\u fallback keeps format", "{\\rtf1 \\b\\u8364?x}", u"\u20ACx"_qs, Bold()},
        {"a skipped destination leaves the format alone", "{\\rtf1 \\b a{\\*\\x \\b0}b}", u"ab"_qs, Bold()},
    };
    for (const LookCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto document = Show(c.rtf);
        const std::optional<Look> look = LookOf(*document, c.text);
        ASSERT_TRUE(look.has_value()) << Printable(c.text) << " not shown as one stretch in "
                                      << Printable(Paragraphs(*document).join(u'|'));
        EXPECT_EQ(*look, c.look);
    }
}

TEST(RtfFormat, ParagraphLayout) {
    const auto document = Show("{\\rtf1 \\qc centre\\par\\qr right\\par\\qj justified\\par\\pard left\\par"
                               "\\li720\\fi-360\\sb240\\sa120 indented\\par}");
    struct Expected {
        QString text;
        Qt::Alignment align;
        qreal left, first, before, after; // pixels, 1440 twips = 96
    };
    const Expected expected[] = {
        {u"centre"_qs, Qt::AlignHCenter, 0, 0, 0, 0},    {u"right"_qs, Qt::AlignRight, 0, 0, 0, 0},
        {u"justified"_qs, Qt::AlignJustify, 0, 0, 0, 0}, {u"left"_qs, Qt::AlignLeft, 0, 0, 0, 0},
        {u"indented"_qs, Qt::AlignLeft, 48, -24, 16, 8},
    };
    QTextBlock block = document->begin();
    for (const Expected& e : expected) {
        ASSERT_TRUE(block.isValid()) << "missing paragraph " << e.text.toStdString();
        SCOPED_TRACE(e.text.toStdString());
        EXPECT_EQ(block.text(), e.text);
        const QTextBlockFormat format = block.blockFormat();
        EXPECT_EQ(Side(block), e.align);
        EXPECT_EQ(format.leftMargin(), e.left);
        EXPECT_EQ(format.textIndent(), e.first);
        EXPECT_EQ(format.topMargin(), e.before);
        EXPECT_EQ(format.bottomMargin(), e.after);
        block = block.next();
    }
    EXPECT_FALSE(block.isValid()) << "extra paragraph " << block.text().toStdString();
}

TEST(RtfFormat, ParagraphFormatIsScopedByGroups) {
    // Paragraph properties set inside a group end with it; \pard alone resets them.
    const auto document = Show("{\\rtf1 {\\qc centre\\par} plain\\par\\qr right\\pard\\par}");
    const QStringList paragraphs = Paragraphs(*document);
    ASSERT_EQ(paragraphs, QStringList({u"centre"_qs, u" plain"_qs, u"right"_qs}));
    QTextBlock block = document->begin();
    EXPECT_EQ(Side(block), Qt::AlignHCenter);
    block = block.next();
    EXPECT_EQ(Side(block), Qt::AlignLeft);
    block = block.next();
    EXPECT_EQ(Side(block), Qt::AlignLeft);
}

} // namespace
