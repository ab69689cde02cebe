// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/version_file.h"

namespace {
// The field that starts at `at`: up to the next blank or the end. Moves `at` past the blank.
std::string NextField(std::string_view line, std::size_t& at) {
    if (at > line.size()) return {};
    std::size_t blank = line.find(' ', at);
    std::size_t end = blank == std::string_view::npos ? line.size() : blank;
    std::string field(line.substr(at, end - at));
    at = end + 1;
    return field;
}
} // namespace

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

std::string_view LatestVersionLine(std::string_view text) {
    std::size_t lastFeed = text.rfind('\n');
    return lastFeed == std::string_view::npos ? text : text.substr(lastFeed + 1);
}

InstallerLine SplitInstallerLine(std::string_view firstLine) {
    firstLine = FirstLine(firstLine);
    std::size_t at = 0;
    InstallerLine fields;
    fields.host = NextField(firstLine, at);
    fields.path = NextField(firstLine, at);
    fields.fileName = NextField(firstLine, at);
    return fields;
}

std::optional<std::string> NamedSha256(std::string_view text) {
    constexpr std::string_view kLabel = "sha256 ";
    const std::size_t firstEnd = text.find('\n');
    const std::size_t lastFeed = text.rfind('\n');
    if (firstEnd == std::string_view::npos || firstEnd == lastFeed) return std::nullopt;
    std::string_view middle = text.substr(firstEnd + 1, lastFeed - firstEnd - 1);
    while (true) {
        const std::size_t end = middle.find('\n');
        std::string_view line = middle.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with(kLabel) && line.size() == kLabel.size() + kSha256HexLength) {
            std::string digest;
            for (char c : line.substr(kLabel.size())) {
                const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
                if (!((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'f'))) break;
                digest += lower;
            }
            if (digest.size() == kSha256HexLength) return digest;
        }
        if (end == std::string_view::npos) return std::nullopt;
        middle.remove_prefix(end + 1);
    }
}
