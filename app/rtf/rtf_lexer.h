// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits RTF bytes into groups, control words, control symbols, \'hh escapes and text.
#include <cstddef>
#include <cstdint>
#include <string_view>

struct RtfToken {
    enum class Kind { End, GroupOpen, GroupClose, Word, Symbol, HexByte, Text };
    Kind kind = Kind::End;
    std::string_view name;  // Word: the letters; Text: the bytes (never a CR or LF)
    bool hasParam = false;  // Word: a numeric parameter followed the letters
    int32_t param = 0;      // Word: the parameter, held within 32 bits
    char symbol = 0;        // Symbol: the character after the backslash
    unsigned char byte = 0; // HexByte: the escaped byte
};

class RtfLexer {
  public:
    explicit RtfLexer(std::string_view input) : input_(input) {}
    // The next token; End once the input is used up. A control word or escape cut short by the
    // end of the input is dropped, so a truncated file never shows half of one as something else.
    RtfToken Next();
    // Passes over raw bytes (the data of \binN), no further than the end.
    void SkipBytes(int64_t count);

  private:
    RtfToken ReadControl();
    RtfToken ReadText();
    std::string_view input_;
    size_t pos_ = 0;
};
