// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/base64.h"

namespace {
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

std::string EncodeBase64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        std::size_t count = bytes.size() - at < 3 ? bytes.size() - at : 3;
        unsigned group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? static_cast<unsigned char>(bytes[at + i]) : 0u);
        // count bytes fill count + 1 characters of the four; the rest is padding.
        for (std::size_t i = 0; i < 4; ++i)
            out += i <= count ? kAlphabet[(group >> (18 - 6 * i)) & 0x3F] : '=';
    }
    return out;
}
