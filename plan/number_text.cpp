// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/number_text.h"

#include <vector>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One place of a number mask.
struct MaskPlace {
    enum Kind { kDigit, kOptionalDigit, kLiteral } kind;
    char literal = 0;
    bool isDigit() const { return kind != kLiteral; }
};

struct NumberMask {
    std::vector<MaskPlace> whole;    // places before the decimal point
    std::vector<MaskPlace> fraction; // places after it
    bool hasPoint = false;
    bool grouping = false;
};

NumberMask ParseMask(std::string_view text) {
    NumberMask mask;
    for (size_t i = 0; i < text.size(); ++i) {
        std::vector<MaskPlace>& places = mask.hasPoint ? mask.fraction : mask.whole;
        const char c = text[i];
        if (c == '\\') {
            if (++i < text.size()) places.push_back({MaskPlace::kLiteral, text[i]});
        } else if (c == '0') {
            places.push_back({MaskPlace::kDigit});
        } else if (c == '#') {
            places.push_back({MaskPlace::kOptionalDigit});
        } else if (c == '.' && !mask.hasPoint) {
            mask.hasPoint = true;
        } else if (c == ',') {
            mask.grouping = true;
        } else {
            places.push_back({MaskPlace::kLiteral, c});
        }
    }
    return mask;
}

size_t CountDigitPlaces(const std::vector<MaskPlace>& places) {
    size_t count = 0;
    for (const MaskPlace& place : places)
        count += place.isDigit() ? 1 : 0;
    return count;
}

// Writes the whole digits over the mask's whole places. The digits stand right-aligned on the
// digit places; digits beyond the places all go to the first one; a "0" place and every digit place
// to its right always show a digit.
class WholePartWriter {
  public:
    WholePartWriter(const NumberMask& mask, const std::string& wholeDigits) : mask_(mask) {
        const size_t places = CountDigitPlaces(mask.whole);
        size_t firstZero = places;
        size_t index = 0;
        for (const MaskPlace& place : mask.whole) {
            if (!place.isDigit()) continue;
            if (place.kind == MaskPlace::kDigit && firstZero == places) firstZero = index;
            ++index;
        }
        digits_ = wholeDigits;
        const size_t shownAtLeast = places - firstZero;
        if (digits_.size() < shownAtLeast) digits_.insert(0, shownAtLeast - digits_.size(), '0');
    }

    void writeTo(std::string& out) {
        const size_t places = CountDigitPlaces(mask_.whole);
        size_t placeIndex = 0;
        for (const MaskPlace& place : mask_.whole) {
            if (!place.isDigit()) {
                out += place.literal;
                continue;
            }
            const size_t fromRight = places - 1 - placeIndex++;
            // The first place takes every digit at or beyond its position.
            while (next_ < digits_.size() && digits_.size() - 1 - next_ >= fromRight)
                writeDigit(out);
        }
        // A mask with decimal places but no whole places still shows the whole digits.
        if (places == 0 && !mask_.fraction.empty())
            while (next_ < digits_.size())
                writeDigit(out);
    }

  private:
    void writeDigit(std::string& out) {
        out += digits_[next_++];
        const size_t remaining = digits_.size() - next_;
        if (mask_.grouping && remaining > 0 && remaining % 3 == 0) out += ',';
    }

    const NumberMask& mask_;
    std::string digits_;
    size_t next_ = 0;
};

// Writes the decimals; a "#" place shows nothing once only zeros on "#" places follow.
void WriteFraction(std::string& out, const std::vector<MaskPlace>& places, const std::string& digits) {
    size_t lastShown = 0; // one past the last digit place that shows its digit
    size_t index = 0;
    for (const MaskPlace& place : places) {
        if (!place.isDigit()) continue;
        if (place.kind == MaskPlace::kDigit || digits[index] != '0') lastShown = index + 1;
        ++index;
    }
    index = 0;
    for (const MaskPlace& place : places) {
        if (!place.isDigit()) {
            out += place.literal;
        } else {
            if (index < lastShown) out += digits[index];
            ++index;
        }
    }
}

} // namespace

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

DecimalNumber ReadLeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    DecimalNumber number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number.negative = text[i++] == '-';
    while (i < text.size() && IsDigit(text[i]))
        number.wholeDigits += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            number.fractionDigits += text[i++];
    }
    Normalize(number);
    return number;
}

double LeadingNumberValue(std::string_view text) {
    return ToDouble(ReadLeadingNumber(text));
}
float LeadingNumberFloat(std::string_view text) {
    return ToFloat(ReadLeadingNumber(text));
}
std::int32_t LeadingInteger(std::string_view text) {
    return ToInt32Clamped(ReadLeadingNumber(text));
}

std::string FormatNumber(const DecimalNumber& value, std::string_view maskText) {
    const NumberMask mask = ParseMask(maskText);
    const size_t decimals = CountDigitPlaces(mask.fraction);
    const DecimalNumber rounded = RoundToPlaces(value, static_cast<int>(decimals));
    std::string fraction = rounded.fractionDigits;
    fraction.resize(decimals, '0');

    std::string out;
    const bool showsNumber = decimals + CountDigitPlaces(mask.whole) > 0;
    if (rounded.negative && showsNumber) out += '-';
    WholePartWriter(mask, rounded.wholeDigits).writeTo(out);
    if (mask.hasPoint) out += '.';
    WriteFraction(out, mask.fraction, fraction);
    return out;
}

std::string FormatNumber(double value, std::string_view mask) {
    return FormatNumber(DecimalFromDouble(value), mask);
}
std::string FormatNumber(float value, std::string_view mask) {
    return FormatNumber(DecimalFromFloat(value), mask);
}
std::string FormatNumber(std::int64_t value, std::string_view mask) {
    return FormatNumber(DecimalFromScaled(value, 0), mask);
}
std::string FormatNumber(int value, std::string_view mask) {
    return FormatNumber(std::int64_t{value}, mask);
}

std::string IntegerText(std::int64_t value) {
    return std::to_string(value);
}
