// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our private-profile layer: named values in an INI file of code page 1252 text, read and written
// the way the Windows private-profile functions do it, so that a file moves between the two unchanged
// in meaning. Every call reads the file afresh; nothing is kept between calls, so changes made by
// another process are seen at once. Section and key names lose their leading and trailing spaces
// (only spaces) and match without regard to letter case.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct ProfileValue {
    std::size_t count = 0; // bytes placed in the caller's buffer, its terminating zero not counted
    std::string text;      // those bytes
};

// The value under the key, or the default (less its trailing spaces) when the file, the section or the
// key is missing, cut to fit a buffer of `bufferSize` bytes with its terminating zero. A buffer of 0
// bytes receives nothing. Surrounding blanks of a stored value and one pair of quotes around it are
// removed. A file that cannot be read, or a UTF-16 one, reads as missing.
ProfileValue ReadProfileValue(const std::string& file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize);

// Stores the value under the key, creating the file, the section and the key as needed. A value is
// written as given, but cut at its first CR or LF, which would end the line. False when the file could
// not be written (missing folder, no permission, a UTF-16 file, which is never rewritten) or when the
// names cannot be stored so that they read back: a section name holding ']', a key name holding '=',
// or starting with '[' or ';', or either holding CR or LF. The file is then left as it was.
bool WriteProfileValue(const std::string& file, std::string_view section, std::string_view key,
                       std::string_view value);

// The same two operations on a file's bytes held in memory. WithStoredProfileValue gives
// std::nullopt when the names cannot be stored.
ProfileValue ReadProfileValueFrom(std::string_view bytes, std::string_view section, std::string_view key,
                                  std::string_view defaultValue, std::size_t bufferSize);
std::optional<std::string> WithStoredProfileValue(std::string_view bytes, std::string_view section,
                                                  std::string_view key, std::string_view value);

// Removes the key's line. True when the key is gone afterwards, whether or not it was there.
bool DeleteProfileKey(const std::string& file, std::string_view section, std::string_view key);

// Removes the section's header and its key lines; comments and other lines stay. True when the
// section is gone afterwards, whether or not it was there.
bool DeleteProfileSection(const std::string& file, std::string_view section);
