// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rtf/rtf_words.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::string_view, 40> kSkippedDestinations = {
    "fonttbl",
    "stylesheet",
    "info",
    "pict",
    "listtable",
    "listoverridetable",
    "rsidtbl",
    "filetbl",
    "revtbl",
    "generator",
    "xmlnstbl",
    "themedata",
    "colorschememapping",
    "latentstyles",
    "datastore",
    "pgdsctbl",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "fldinst",
    "object",
    "objdata",
    "nonshppict",
    "shpinst",
    "bkmkstart",
    "bkmkend",
    "author",
    "operator",
    "title",
    "subject",
    "keywords",
    "comment",
    "doccomm",
    "private",
};

constexpr std::array<std::pair<std::string_view, char16_t>, 15> kSymbolWords = {{
    {"tab", u'\t'},
    {"cell", u'\t'},
    {"line", u'\u2028'},
    {"bullet", u'\u2022'},
    {"emdash", u'\u2014'},
    {"endash", u'\u2013'},
    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'},
    {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'},
    {"zwj", u'\u200D'},
    {"zwnj", u'\u200C'},
}};

constexpr std::array<std::pair<char, char16_t>, 6> kSymbols = {{
    {'\\', u'\\'},
    {'{', u'{'},
    {'}', u'}'},
    {'~', u'\u00A0'},
    {'_', u'\u2011'},
    {'-', u'\u00AD'},
}};

constexpr std::array<std::string_view, 15> kUnderlineVariants = {
    "uld",   "uldb",     "uldash", "uldashd", "uldashdd",   "ulhwave",  "ulldash",   "ulth",
    "ulthd", "ulthdash", "ulw",    "ulwave",  "ululdbwave", "uldbwave", "ulthldash",
};

} // namespace

bool IsSkippedDestination(std::string_view word) {
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
           kSkippedDestinations.end();
}

std::optional<QChar> SymbolWordCharacter(std::string_view word) {
    for (const auto& [name, character] : kSymbolWords)
        if (name == word) return QChar(character);
    return std::nullopt;
}

std::optional<QChar> SymbolCharacter(char symbol) {
    for (const auto& [name, character] : kSymbols)
        if (name == symbol) return QChar(character);
    return std::nullopt;
}

bool IsUnderlineVariant(std::string_view word) {
    return std::find(kUnderlineVariants.begin(), kUnderlineVariants.end(), word) != kUnderlineVariants.end();
}
