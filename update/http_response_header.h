// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the header of a download's response, one line at a time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ResponseHeader {
    std::string status;                    // second field of the status line, as text ("200")
    std::string transferCoding;            // lower-cased, e.g. "chunked"
    std::int64_t contentLength = 0;        // 0 when not given
    std::optional<std::string> connection; // lower-cased value of a "connection:" line
};

// An empty line, or a line of one blank, ends the header. `line` comes without its line end.
bool IsHeaderEnd(std::string_view line);

// Takes what the header needs from one line; other lines are ignored. Field names are compared
// without regard to case; the status line must start with "HTTP".
void ReadHeaderLine(std::string_view line, ResponseHeader& header);

// Strips a trailing line feed and the carriage return before it.
std::string_view WithoutLineEnd(std::string_view line);
