// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and replacing a settings file as a whole. The file name is program text (code page 1252);
// it is turned into a QString here and QFile gives it to the system through QFile::encodeName.
#include <optional>
#include <string>
#include <string_view>

// The file's bytes; empty when there is no such file; std::nullopt when a file is there but cannot be
// read (no permission, a folder of that name, a name with a zero byte in it).
std::optional<std::string> ReadProfileFile(const std::string& file);

// Writes the bytes to a temporary file in the same folder, which then replaces the file, so that the
// file is always either the old version or the new one. False when that could not be done; the old
// file is then left as it was.
bool ReplaceProfileFile(const std::string& file, std::string_view bytes);

// A UTF-16 file (by its byte-order mark) is not ours to read or rewrite.
bool IsUtf16Profile(std::string_view bytes);
