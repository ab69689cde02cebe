// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rtf/rtf_lexer.h"

#include <algorithm>
#include <limits>

namespace {

// The longest control word and parameter the format allows; longer runs are read but not kept.
constexpr size_t kMaxWordLength = 32;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RtfToken TokenOf(RtfToken::Kind kind) {
    RtfToken token;
    token.kind = kind;
    return token;
}

} // namespace

RtfToken RtfLexer::Next() {
    while (pos_ < input_.size()) {
        const char c = input_[pos_];
        if (IsLineEnd(c)) {
            ++pos_; // line ends in RTF text are only there to keep lines short
            continue;
        }
        if (c == '{' || c == '}') {
            ++pos_;
            return TokenOf(c == '{' ? RtfToken::Kind::GroupOpen : RtfToken::Kind::GroupClose);
        }
        if (c == '\\') return ReadControl();
        return ReadText();
    }
    return {};
}

RtfToken RtfLexer::ReadText() {
    const size_t start = pos_;
    while (pos_ < input_.size() && input_[pos_] != '{' && input_[pos_] != '}' && input_[pos_] != '\\' &&
           !IsLineEnd(input_[pos_]))
        ++pos_;
    RtfToken token = TokenOf(RtfToken::Kind::Text);
    token.name = input_.substr(start, pos_ - start);
    return token;
}

RtfToken RtfLexer::ReadControl() {
    const size_t size = input_.size();
    ++pos_; // the backslash
    if (pos_ >= size) return {};

    const char first = input_[pos_];
    if (!IsLetter(first)) {
        ++pos_;
        if (first != '\'') {
            RtfToken token = TokenOf(RtfToken::Kind::Symbol);
            token.symbol = first;
            return token;
        }
        // \'hh: two hex digits. A cut-off escape ends the input; a malformed one comes back as
        // the symbol \' itself, which the reader ignores.
        if (pos_ + 2 > size) {
            pos_ = size;
            return {};
        }
        const int high = HexValue(input_[pos_]), low = HexValue(input_[pos_ + 1]);
        RtfToken token = TokenOf(high < 0 || low < 0 ? RtfToken::Kind::Symbol : RtfToken::Kind::HexByte);
        token.symbol = first;
        if (token.kind == RtfToken::Kind::Symbol) return token;
        pos_ += 2;
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
    }

    const size_t nameStart = pos_;
    while (pos_ < size && IsLetter(input_[pos_]))
        ++pos_;
    RtfToken token = TokenOf(RtfToken::Kind::Word);
    token.name = input_.substr(nameStart, std::min(pos_ - nameStart, kMaxWordLength));

    bool negative = false;
    if (pos_ < size && input_[pos_] == '-') {
        if (pos_ + 1 >= size) return {}; // cut off before the digits of a negative parameter
        negative = IsDigit(input_[pos_ + 1]);
        if (negative) ++pos_;
    }
    int64_t value = 0;
    while (pos_ < size && IsDigit(input_[pos_])) {
        token.hasParam = true;
        value = std::min<int64_t>(value * 10 + (input_[pos_] - '0'), std::numeric_limits<int32_t>::max());
        ++pos_;
    }
    token.param = static_cast<int32_t>(negative ? -value : value);

    // The word ends at a blank (which belongs to it) or at any other non-letter, non-digit.
    // A word that runs into the end of the input may have been cut short: it is dropped.
    if (pos_ >= size) return {};
    if (input_[pos_] == ' ') ++pos_;
    return token;
}

void RtfLexer::SkipBytes(int64_t count) {
    if (count <= 0) return;
    const auto left = static_cast<int64_t>(input_.size() - pos_);
    pos_ += static_cast<size_t>(std::min(count, left));
}
