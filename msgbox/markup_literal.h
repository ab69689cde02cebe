// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts from users, files and servers in the message dialog: written so that they are shown
// exactly as they are and never read as markup. Plain C++, for any module that builds a message.
#include <string>
#include <string_view>

// The characters the dialog's markup gives a meaning: "{" opens a brace group, "|" breaks a line,
// "\" escapes one of the three.
constexpr bool IsMarkupEscapable(char c) {
    return c == '{' || c == '|' || c == '\\';
}

// `text` with a "\" before each "{", "|" and "\": the dialog shows it as it is. Every text that
// comes from a user, a file or a server goes through it, as in
// "Delete the profile \"" + MarkupLiteral(name) + "\"?{f10}".
inline std::string MarkupLiteral(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (IsMarkupEscapable(c)) out += '\\';
        out += c;
    }
    return out;
}
