// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size line in front of each chunk of a chunked body.
#include <cstdint>
#include <optional>
#include <string_view>

// The chunk size of a line such as "8000\r\n" (hexadecimal, up to 8 digits; an extension after ";"
// is ignored). nullopt when the line is malformed: no line feed, no digits, a character that is not
// a hexadecimal digit, or more than 8 digits.
std::optional<std::uint32_t> ChunkSize(std::string_view line);
