// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own History.rtf, as the About dialog's history page shows it.
#include "tests/rtf/shown_document.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

std::string HistoryBytes() {
    std::ifstream in(QM_ASSETS_DIR "/History.rtf", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(HistoryFile, IsPlainRtfThatTheReaderShowsCleanly) {
    const std::string bytes = HistoryBytes();
    ASSERT_TRUE(bytes.starts_with("{\\rtf1")) << "History.rtf missing or not RTF";
    // Hand-written RTF stays 7-bit: other characters go through \'hh escapes.
    EXPECT_TRUE(
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

    const auto document = Show(bytes);
    const QStringList paragraphs = Paragraphs(*document);
    ASSERT_FALSE(paragraphs.isEmpty());
    EXPECT_EQ(paragraphs.first(), u"Quillmark\u2122 Program History"_qs);
    for (const QString& paragraph : paragraphs) {
        // No control word, brace or font name leaks into the text, and no two words run together
        // across a line end of the file.
        EXPECT_FALSE(paragraph.contains(u'\\') || paragraph.contains(u'{') || paragraph.contains(u'}'))
            << Printable(paragraph);
        EXPECT_FALSE(paragraph.contains(u"Arial"_qs) || paragraph.contains(u"Segoe"_qs))
            << Printable(paragraph);
        EXPECT_FALSE(paragraph.contains(QRegularExpression(u"[a-z]{3}[A-Z][a-z]|[.,;:][A-Za-z]"_qs)))
            << Printable(paragraph);
    }
}

TEST(HistoryFile, ListsEveryVersionNewestFirstWithItsChanges) {
    const auto document = Show(HistoryBytes());
    const QStringList paragraphs = Paragraphs(*document);
    const QStringList versions = {u"3.0.0.0"_qs, u"2.5"_qs, u"2.0"_qs, u"1.5"_qs, u"1.1"_qs, u"1.0"_qs};
    qsizetype previous = -1;
    for (const QString& version : versions) {
        SCOPED_TRACE(version.toStdString());
        const QRegularExpression heading(u"^Version "_qs + QRegularExpression::escape(version) +
                                         u" \u2014 Released \\d\\d-\\d\\d-\\d\\d\\d\\d$"_qs);
        const qsizetype at = paragraphs.indexOf(heading);
        ASSERT_GT(at, previous) << "heading missing or out of order";
        // The heading stands out, and bullet lines of changes follow it.
        const auto look = LookOf(*document, paragraphs[at]);
        ASSERT_TRUE(look.has_value());
        EXPECT_TRUE(look->bold);
        ASSERT_LT(at + 1, paragraphs.size());
        EXPECT_TRUE(paragraphs[at + 1].startsWith(u"\u2022 "_qs)) << Printable(paragraphs[at + 1]);
        previous = at;
    }
    EXPECT_TRUE(paragraphs.contains(u"Version 3.0.0.0 \u2014 Released 10-16-2018"_qs));
    EXPECT_TRUE(paragraphs.filter(u"euros (\u20AC) or pounds (\u00A3)"_qs).size() == 1);
}

TEST(HistoryFile, EveryTruncationShowsAPrefixOfTheWholeHistory) {
    const std::string bytes = HistoryBytes();
    const QString whole = ShownText(bytes);
    for (size_t length = 0; length < bytes.size(); length += 7) {
        const QString shown = ShownText(std::string_view(bytes).substr(0, length));
        EXPECT_TRUE(whole.startsWith(shown))
            << "cut after " << length << " bytes: " << Printable(shown.right(60));
    }
}

} // namespace
