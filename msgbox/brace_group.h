// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog's markup: a text may end in a brace group of comma-separated items, each a key
// letter followed by a number, as in "Save changes?{f7}" or "&OK{G,w10}".
#include <string>
#include <string_view>
#include <vector>

struct BraceItem {
    char key = 0;       // the item's first character, upper-cased
    float value = 0.0F; // the number after the key; 0 when there is none
};

struct MarkedText {
    std::string shown;            // the text before the "{", trimmed
    std::vector<BraceItem> items; // empty when the text has no "{"
};

// Splits a text into what is shown and its brace group. Everything after the first "{" belongs
// to the group; the group's closing "}" needs no special handling because numbers stop before it.
// A "{" written as "\{" (see MarkupLiteral) is part of the shown text; `shown` keeps it written so.
MarkedText SplitMarkup(std::string_view text);

// Escapes in the markup: "\{", "\|" and "\\" stand for "{", "|" and "\" themselves. A backslash
// before any other character is an ordinary backslash.
// The position of the first `c` that is not escaped, from `from` on; npos when there is none.
size_t FindUnescaped(std::string_view text, char c, size_t from = 0);
// The pieces between unescaped separators, still written with their escapes.
std::vector<std::string> SplitUnescaped(std::string_view text, char separator);
// The text with its escapes replaced by the characters they stand for.
std::string Unescaped(std::string_view text);
// The lines of a block ("|" breaks), each as it is shown.
std::vector<std::string> ShownLines(std::string_view text);

// Spaces and tabs at both ends removed.
std::string TrimBlanks(std::string_view text);

// The pieces between the separators; n separators give n + 1 pieces.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// The longest leading signed decimal number after leading blanks ("12.5x" is 12.5, "-3" is -3,
// "x" and "" are 0): the program's leading-number rule, as a float.
float LeadingNumber(std::string_view text);

// A number of the markup as a whole number (a palette index, a font number), halves to even.
int RoundedMarkupNumber(float value);
