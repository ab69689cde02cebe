// SPDX-License-Identifier: GPL-3.0-or-later
// The text a reader sees: paragraphs, breaks, escapes, characters, and what is left out.
#include "tests/rtf/shown_document.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* what;
    std::string_view rtf;
    QString shown; // paragraphs joined with "\n"
};

void ExpectShown(const TextCase& c) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Printable(ShownText(c.rtf)), Printable(c.shown)) << "from " << c.rtf;
}

TEST(RtfText, ParagraphsAndBreaks) {
    const TextCase cases[] = {
        {"paragraphs", "{\\rtf1 One\\par Two\\par}", u"One\nTwo"_qs},
        {"last paragraph without \\par", "{\\rtf1 One\\par Two}", u"One\nTwo"_qs},
        {"empty paragraph kept", "{\\rtf1 A\\par\\par B}", u"A\n\nB"_qs},
        {"line break inside a paragraph", "{\\rtf1 One\\line Two}", u"One\u2028Two"_qs},
        {"section and page ends end paragraphs", "{\\rtf1 A\\sect B\\page C}", u"A\nB\nC"_qs},
        {"backslash before a line end", "{\\rtf1 one\\\ntwo}", u"one\ntwo"_qs},
        {"line ends in the file are not text", "{\\rtf1 one\r\ntwo\nthree}", u"onetwothree"_qs},
        {"tab", "{\\rtf1 a\\tab b}", u"a\tb"_qs},
        {"blanks kept as typed", "{\\rtf1 two  spaces,   three}", u"two  spaces,   three"_qs},
        {"delimiting blank belongs to the word", "{\\rtf1 \\b  x}", u" x"_qs},
        {"table cells and rows", "{\\rtf1 a\\cell b\\cell\\row c}", u"a\tb\t\nc"_qs},
    };
    for (const TextCase& c : cases)
        ExpectShown(c);
}

TEST(RtfText, EscapesAndCharacters) {
    const TextCase cases[] = {
        {"escaped braces and backslash", "{\\rtf1 \\{x\\} \\\\ y}", u"{x} \\ y"_qs},
        {"code page 1252 escapes", "{\\rtf1 \\'80 \\'a3 caf\\'e9 \\'93q\\'94 \\'99}",
         u"\u20AC \u00A3 caf\u00E9 \u201Cq\u201D \u2122"_qs},
        {"upper-case hex digits", "{\\rtf1 \\'E9\\'C0}", u"\u00E9\u00C0"_qs},
        {"malformed escape passed over", "{\\rtf1 a\\'zzb}", u"azzb"_qs},
        {"8-bit text bytes are code page 1252", "{\\rtf1 \x80 \xA3}", u"\u20AC \u00A3"_qs},
        {"unicode with one fallback character", "{\\rtf1 \\u8364? x}", u"\u20AC x"_qs},
        {"no fallback with \\uc0", "{\\rtf1 \\uc0\\u8364 x}", u"\u20ACx"_qs},
        {"fallback of two escapes", "{\\rtf1 \\uc2\\u8364\\'80\\'80x}", u"\u20ACx"_qs},
        {"fallback longer than a text run", "{\\rtf1 \\uc3\\u8364ab\\'80c}", u"\u20ACc"_qs},
        {"a control word counts as one fallback character", "{\\rtf1 \\uc1\\u8364\\tab x}", u"\u20ACx"_qs},
        {"a group ends the fallback", "{\\rtf1 \\uc3\\u8364{}ab}", u"\u20ACab"_qs},
        {"\\uc is scoped by groups", "{\\rtf1 {\\uc2 \\u8364??}\\u8364?x}", u"\u20AC\u20ACx"_qs},
        {"negative parameter above U+7FFF", "{\\rtf1 \\u-3913?}", u"\uF0B7"_qs},
        {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", u"\U0001F600"_qs},
        {"lone surrogate replaced", "{\\rtf1 a\\u-10179?b}", u"a\uFFFDb"_qs},
        {"symbol words", "{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote}",
         u"\u2022\u2014\u2013\u2018\u2019\u201C\u201D"_qs},
        {"non-breaking space and hyphen", "{\\rtf1 a\\~b\\_c}", u"a\u00A0b\u2011c"_qs},
        {"HTML's own characters are text", "{\\rtf1 <b>&amp;\"%1</b>}", u"<b>&amp;\"%1</b>"_qs},
        {"control characters left out",
         std::string_view("{\\rtf1 a\0b\x01"
                          "c}",
                          13),
         u"abc"_qs},
    };
    for (const TextCase& c : cases)
        ExpectShown(c);
}

TEST(RtfText, SkippedDestinationsAndUnknownWords) {
    const TextCase cases[] = {
        {"font table", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}\\f0 text}", u"text"_qs},
        {"style sheet", "{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1 Heading 1;}}text}", u"text"_qs},
        {"document information", "{\\rtf1{\\info{\\title Secret}{\\author Me}}text}", u"text"_qs},
        {"picture data", "{\\rtf1 a{\\pict\\pngblip 89504e470d0a}b}", u"ab"_qs},
        {"optional destination", "{\\rtf1 a{\\*\\generator Writer 1.0;}{\\*\\unknown {x}y}b}", u"ab"_qs},
        {"colour table is not text", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}text}", u"text"_qs},
        {"unknown words passed over", "{\\rtf1\\foo123 \\bar\\baz-7 text\\qux}", u"text"_qs},
        {"field shows its result only", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}",
         u"link"_qs},
        {"binary data skipped even when it holds braces", "{\\rtf1 a{\\pict\\bin4 }}}}}b}", u"ab"_qs},
        {"nothing after the document's group", "{\\rtf1 a}b{c}", u"a"_qs},
        {"blanks before the document", " \r\n{\\rtf1 a}", u"a"_qs},
    };
    for (const TextCase& c : cases)
        ExpectShown(c);
}

TEST(RtfText, TextThatIsNotRtfIsShownAsPlainLines) {
    const TextCase cases[] = {
        {"lines", "first line\r\nsecond \\b{x}\n", u"first line\nsecond \\b{x}"_qs},
        {"blank lines kept", "a\n\nb", u"a\n\nb"_qs},
        {"code page 1252", "\x80 5", u"\u20AC 5"_qs},
        {"an RTF word later on does not make it RTF", "notes {\\rtf1 x}", u"notes {\\rtf1 x}"_qs},
    };
    for (const TextCase& c : cases)
        ExpectShown(c);
}

} // namespace
