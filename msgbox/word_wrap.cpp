// SPDX-License-Identifier: GPL-3.0-or-later
#include "msgbox/word_wrap.h"

#include "msgbox/brace_group.h"

namespace {

bool holdsMoreThanBlanks(const std::string& word) {
    return !TrimBlanks(word).empty();
}

class ParagraphWrapper {
  public:
    ParagraphWrapper(float width, int32_t font, const TextMeasure& measure, std::string& out)
        : width_(width), font_(font), measure_(measure), out_(out) {}

    void wrap(const std::string& paragraph) {
        for (char c : paragraph) {
            if (c == ' ' && holdsMoreThanBlanks(word_)) takeWord();
            word_ += c;
        }
        const std::string candidate = TrimBlanks(line_ + word_);
        if (tooWide(candidate) && !TrimBlanks(line_).empty()) {
            out_ += TrimBlanks(line_) + '|' + TrimBlanks(word_) + '|';
        } else {
            out_ += candidate + '|';
        }
    }

  private:
    // The word just ended: it joins the current line, or starts the next one when the line
    // would grow too wide. A word that is too wide on its own starts no empty line above it.
    void takeWord() {
        const std::string candidate = TrimBlanks(line_ + word_);
        if (tooWide(candidate) && !TrimBlanks(line_).empty()) {
            out_ += TrimBlanks(line_) + '|';
            line_ = word_;
        } else {
            line_ = candidate;
        }
        word_.clear();
    }

    bool tooWide(const std::string& line) const { return measure_(font_, Unescaped(line)).width > width_; }

    float width_;
    int32_t font_;
    const TextMeasure& measure_;
    std::string& out_;
    std::string line_, word_;
};

} // namespace

std::string WrapText(std::string_view text, float width, int32_t font, const TextMeasure& measure) {
    std::string out;
    for (const std::string& paragraph : SplitUnescaped(text, '|'))
        ParagraphWrapper(width, font, measure, out).wrap(paragraph);
    return out;
}
