// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version file on the maker's web server. Lines are separated by a line feed only (a carriage
// return stays part of its line). The last line is the latest version; the first line names the
// installer: "host path filename", separated by single blanks. A line between them may name the
// installer's SHA-256 digest: "sha256 " and 64 hexadecimal digits (older readers ignore such lines).
#include <optional>
#include <string>
#include <string_view>

// The text before the first line feed (the whole text when there is none).
std::string_view FirstLine(std::string_view text);

// The text after the last line feed: empty when the file ends with a line feed.
std::string_view LatestVersionLine(std::string_view text);

struct InstallerLine {
    std::string host;     // web host, possibly with ":port"
    std::string path;     // request path on that host
    std::string fileName; // name under which the installer is stored; may hold a carriage return
};

// Splits the first line at blanks; a field that is missing stays empty.
InstallerLine SplitInstallerLine(std::string_view firstLine);

inline constexpr std::size_t kSha256HexLength = 64;

// The digest named by a "sha256 <64 hex digits>" line between the first and the last line, in lower
// case; a carriage return at the line's end is allowed. nullopt when no such line is there.
std::optional<std::string> NamedSha256(std::string_view text);
