// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/server_text.h"

namespace {
constexpr std::string_view kEllipsis = "...";

char LookAlike(char c) {
    switch (c) {
    case '{':
        return '(';
    case '}':
        return ')';
    case '|':
        return '/';
    default:
        return c;
    }
}
} // namespace

std::string AsPlainDialogText(std::string_view text, std::size_t limit) {
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) continue;
        if (shown.size() == limit) {
            shown.resize(limit > kEllipsis.size() ? limit - kEllipsis.size() : 0);
            shown += kEllipsis.substr(0, limit);
            return shown;
        }
        shown += LookAlike(c);
    }
    return shown;
}
