// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/base64.h"

#include <gtest/gtest.h>
#include <string>

namespace {
struct Base64Case {
    std::string bytes;
    std::string encoded;
};

TEST(EncodeBase64, MatchesTheRfc4648Vectors) {
    const Base64Case cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeBase64(c.bytes), c.encoded) << '"' << c.bytes << '"';
}

TEST(EncodeBase64, EncodesEveryByteValueAndTheBasicCredentials) {
    const Base64Case cases[] = {
        {std::string("\0\0\0", 3), "AAAA"},
        {"\xFF\xFF\xFF", "////"},
        {"\xFB\xEF\xBE", "++++"},
        {std::string(
             "\0\x10\x83\x10\x51\x87\x20\x92\x8B\x30\xD3\x8F\x41\x14\x93\x51\x55\x97\x61\x96\x9B\x71"
             "\xD7\x9F\x82\x18\xA3\x92\x59\xA7\xA2\x9A\xAB\xB2\xDB\xAF\xC3\x1C\xB3\xD3\x5D\xB7\xE3\x9E"
             "\xBB\xF3\xDF\xBF",
             48),
         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"},
        {"Aladdin:open sesame", "QWxhZGRpbjpvcGVuIHNlc2FtZQ=="},
        {"user:pa\x80ss", "dXNlcjpwYYBzcw=="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeBase64(c.bytes), c.encoded) << c.encoded;
}
} // namespace
