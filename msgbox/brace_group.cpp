// SPDX-License-Identifier: GPL-3.0-or-later
#include "msgbox/brace_group.h"

#include "msgbox/markup_literal.h"

#include "plan/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::string TrimBlanks(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

float LeadingNumber(std::string_view text) {
    return LeadingNumberFloat(text);
}

int RoundedMarkupNumber(float value) {
    constexpr float kLimit = static_cast<float>(std::numeric_limits<int>::max() / 2);
    if (!(std::fabs(value) < kLimit)) return 0; // out of any sensible range: as if unreadable
    return static_cast<int>(std::nearbyint(value));
}

size_t FindUnescaped(std::string_view text, char c, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && IsMarkupEscapable(text[i + 1])) {
            ++i;
            continue;
        }
        if (text[i] == c) return i;
    }
    return std::string_view::npos;
}

std::vector<std::string> SplitUnescaped(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = FindUnescaped(text, separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string Unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && IsMarkupEscapable(text[i + 1])) ++i;
        out += text[i];
    }
    return out;
}

std::vector<std::string> ShownLines(std::string_view text) {
    std::vector<std::string> lines = SplitUnescaped(text, '|');
    for (std::string& line : lines)
        line = Unescaped(line);
    return lines;
}

MarkedText SplitMarkup(std::string_view text) {
    MarkedText marked;
    const size_t brace = FindUnescaped(text, '{');
    marked.shown = TrimBlanks(text.substr(0, brace));
    if (brace == std::string_view::npos) return marked;
    for (const std::string& piece : SplitAt(text.substr(brace + 1), ',')) {
        const std::string item = TrimBlanks(piece);
        if (item.empty()) continue;
        const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(item[0])));
        marked.items.push_back({key, LeadingNumber(std::string_view(item).substr(1))});
    }
    return marked;
}
