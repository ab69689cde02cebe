// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control words the reader gives a meaning to, as tables.
#include <QChar>
#include <optional>
#include <string_view>

// Destinations whose text is not part of the document (fonts, styles, document information,
// pictures, headers, fields' instructions ...).
bool IsSkippedDestination(std::string_view word);

// Words that stand for one character: \bullet, \emdash, \tab ...
std::optional<QChar> SymbolWordCharacter(std::string_view word);

// Control symbols (a backslash and one non-letter) that stand for one character: \~ \_ \{ ...
std::optional<QChar> SymbolCharacter(char symbol);

// Underline words other than \ul: \uld, \uldb, \ulw ... all shown as a plain underline.
bool IsUnderlineVariant(std::string_view word);
