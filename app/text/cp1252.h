// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program texts are code page 1252 bytes, as the files are. These two functions are the only
// crossing to and from Qt's Unicode strings.
#include <QString>
#include <string>
#include <string_view>

QString FromCp1252(std::string_view bytes);
// Characters that code page 1252 cannot hold become '?'.
std::string ToCp1252(const QString& text);
