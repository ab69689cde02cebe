// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/chunk_size_line.h"

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::optional<std::uint32_t> ChunkSize(std::string_view line) {
    if (!line.ends_with('\n')) return std::nullopt;
    line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = line.substr(0, line.find(';'));
    while (line.ends_with(' ') || line.ends_with('\t'))
        line.remove_suffix(1);
    if (line.empty() || line.size() > 8) return std::nullopt;
    std::uint32_t size = 0;
    for (char c : line) {
        int digit = HexValue(c);
        if (digit < 0) return std::nullopt;
        size = size << 4 | static_cast<std::uint32_t>(digit);
    }
    return size;
}
