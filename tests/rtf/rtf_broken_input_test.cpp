// SPDX-License-Identifier: GPL-3.0-or-later
// Broken, truncated and hostile input: never a crash or a hang, and what could be read is shown.
#include "app/rtf/rtf_to_html.h"
#include "tests/rtf/shown_document.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// Uses every feature of the reader, so that a cut anywhere lands inside each kind of token.
constexpr std::string_view kFeatureFixture =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "{\\colortbl;\\red200\\green0\\blue0;}{\\*\\generator Hand 1.0;}"
    "{\\info{\\title History}}\\pard\\qc\\fs28\\b Title\\b0\\par\\pard "
    "\\bullet\\tab Caf\\'e9 \\u8364? and \\{braces\\} \\\\ {\\i italic\\i0} {\\ul under}\\line "
    "{\\cf1 red}{\\pict\\bin3 }{}}\\par\\par\\uc2\\u8212--end\\par}";

TEST(RtfBrokenInput, EveryTruncationShowsAPrefixOfTheWholeText) {
    const QString whole = ShownText(kFeatureFixture);
    ASSERT_TRUE(whole.startsWith(u"Title\n\u2022\tCaf\u00E9 \u20AC and {braces} \\ italic under"_qs))
        << Printable(whole);
    for (size_t length = 0; length <= kFeatureFixture.size(); ++length) {
        const QString shown = ShownText(kFeatureFixture.substr(0, length));
        EXPECT_TRUE(whole.startsWith(shown)) << "cut after " << length << " bytes: " << Printable(shown)
                                             << " is not a start of " << Printable(whole);
    }
}

TEST(RtfBrokenInput, MalformedFilesShowWhatCouldBeRead) {
    const struct {
        const char* what;
        std::string rtf;
        QString shown;
    } cases[] = {
        {"empty", "", u""_qs},
        {"only the opening brace", "{", u""_qs},
        {"backslash at the end", "{\\rtf1 ab\\", u"ab"_qs},
        {"unclosed groups", "{\\rtf1 a{\\b b{\\i c", u"abc"_qs},
        {"extra closing braces", "{\\rtf1 a}}}}", u"a"_qs},
        {"huge font size", "{\\rtf1 \\fs99999999999999999999 big}", u"big"_qs},
        {"huge negative indent", "{\\rtf1 \\li-99999999999 x\\par}", u"x"_qs},
        {"overlong control word", "{\\rtf1 \\" + std::string(5000, 'a') + " text}", u"text"_qs},
        {"binary length beyond the end", "{\\rtf1 a\\bin999999999 bcd}", u"a"_qs},
        {"negative binary length", "{\\rtf1 a\\bin-5 b}", u"ab"_qs},
        {"huge \\uc", "{\\rtf1 \\uc999999999\\u8364 abc}x}", u"\u20AC"_qs},
        {"unicode beyond U+10FFFF", "{\\rtf1 a\\u2000000000?b}", u"ab"_qs},
        {"unterminated colour table", "{\\rtf1{\\colortbl;\\red255", u""_qs},
        {"colour index past any table", "{\\rtf1 \\cf2147483647 x}", u"x"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Printable(ShownText(c.rtf)), Printable(c.shown));
    }
}

TEST(RtfBrokenInput, DeepNestingIsReadAndItsFormatsUnwound) {
    // Far deeper than any real file: the text inside is shown, and once all groups have closed the
    // formats set deep inside are gone.
    const int depth = 20000;
    const std::string rtf =
        "{\\rtf1 " + std::string(depth, '{') + "\\b deep" + std::string(depth, '}') + " shallow}";
    const auto document = Show(rtf);
    EXPECT_EQ(Paragraphs(*document), QStringList(u"deep shallow"_qs));
    ASSERT_TRUE(LookOf(*document, u"deep"_qs).has_value());
    EXPECT_TRUE(LookOf(*document, u"deep"_qs)->bold);
    ASSERT_TRUE(LookOf(*document, u"shallow"_qs).has_value());
    EXPECT_FALSE(LookOf(*document, u"shallow"_qs)->bold);

    // Only opening braces, and nothing else: nothing to show, and no end of memory.
    EXPECT_EQ(ShownText("{\\rtf1 " + std::string(1'000'000, '{')), u""_qs);
}

TEST(RtfBrokenInput, RandomNoiseNeverBreaksTheReader) {
    // Noise made of the format's own pieces reaches the reader's corners far more often than
    // random bytes; every result must still be HTML that QTextDocument takes.
    const std::string pieces[] = {"{",
                                  "}",
                                  "\\",
                                  "\\'",
                                  "\\'e9",
                                  "\\u",
                                  "\\u-",
                                  "\\uc",
                                  "\\b",
                                  "\\b0",
                                  "\\par",
                                  "\\line",
                                  "\\fs",
                                  "\\cf",
                                  "\\*",
                                  "\\bin",
                                  "\\fonttbl",
                                  "\\colortbl",
                                  ";",
                                  "\\red",
                                  "1",
                                  "9",
                                  "-",
                                  " ",
                                  "a",
                                  "<",
                                  "&",
                                  "\r\n",
                                  std::string(1, '\0'),
                                  "\xE9",
                                  "\\pict",
                                  "\\pard",
                                  "\\qc",
                                  "\\li",
                                  "\\tab",
                                  "\\{",
                                  "\\\\"};
    std::mt19937 random(20181016);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 200);
    for (int round = 0; round < 3000; ++round) {
        std::string rtf = "{\\rtf1 ";
        for (int n = length(random); n > 0; --n)
            rtf += pieces[pick(random)];
        const QString html = RtfToHtml(rtf);
        ASSERT_TRUE(html.startsWith(u"<html>"_qs)) << rtf;
        QTextDocument document;
        document.setHtml(html);
        // Each shown character uses up at least one byte of the input, and control words never
        // leak into the text: the only letter the noise holds as text is "a", so a word's name can
        // be shown only after an escaped backslash. (Binary data may swallow the backslash of a
        // word, leaving its letters as text, so noise with \\bin is spared that check.)
        const QString shown = document.toRawText();
        EXPECT_LE(shown.size(), static_cast<qsizetype>(rtf.size())) << rtf;
        if (rtf.find("\\bin") != std::string::npos) continue;
        for (const QString& word :
             {u"par"_qs, u"line"_qs, u"font"_qs, u"pict"_qs, u"red"_qs, u"bin"_qs, u"tab"_qs}) {
            for (qsizetype at = shown.indexOf(word); at >= 0; at = shown.indexOf(word, at + 1))
                EXPECT_TRUE(at > 0 && shown[at - 1] == u'\\') << Printable(shown) << " from " << rtf;
        }
    }
}

} // namespace
