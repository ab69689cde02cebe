// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/profile_file.h"

#include "plan/number_text.h"

#include "app/files/safe_file.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kFieldsPerRow = 1 + kMonthsPerYear;
// 501 rows of 13 long lines come to far less; a larger file is not a profile file.
constexpr size_t kLargestProfileFile = 32u << 20;

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

std::string QuotedName(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"')
            quoted += "\"\"";
        else
            quoted += IsLineBreak(c) ? ' ' : c;
    }
    return quoted + "\"";
}

// Splits one line into its fields: a comma ends a field, except inside double quotes.
// Text after a closing quote up to the next comma is ignored; unquoted fields lose their blanks.
std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"')
                    field += line[i];
                else if (i + 1 < line.size() && line[i + 1] == '"')
                    field += line[++i];
                else
                    break;
            }
            while (i < line.size() && line[i] != ',')
                ++i;
        } else {
            while (i < line.size() && line[i] != ',')
                field += line[i++];
            while (!field.empty() && IsBlank(field.back()))
                field.pop_back();
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) return fields;
        ++i; // the comma: another field follows, even at the end of the line
    }
}

// Collects fields into rows, 13 to a row. A row whose name would be empty, or that the store has no
// room for, ends the reading: it and everything after it are the store's unread tail.
class RowFiller {
  public:
    explicit RowFiller(ProfileStore& store) : store_(store) {}

    bool done() const { return done_; }
    bool atRowStart() const { return column_ == 0; }

    // `field` read from the line that starts at `lineStart` of the file.
    void add(const std::string& field, std::string_view bytes, size_t lineStart) {
        if (done_) return;
        if (column_ == 0 && (row_ >= kProfileRows || field.empty())) {
            store_.unreadTail = std::string(bytes.substr(lineStart));
            done_ = true;
            return;
        }
        BusinessProfile& profile = store_.rows[static_cast<size_t>(row_)];
        if (column_ == 0)
            profile.name = field;
        else
            profile.percentages[column_ - 1] = LeadingNumberFloat(field);
        if (++column_ == kFieldsPerRow) {
            column_ = 0;
            ++row_;
        }
    }

  private:
    ProfileStore& store_;
    int row_ = 0;
    size_t column_ = 0;
    bool done_ = false;
};

} // namespace

std::string PercentageFileText(float value) {
    if (std::isnan(value)) return "0";
    if (std::isinf(value))
        value = value < 0 ? std::numeric_limits<float>::lowest() : std::numeric_limits<float>::max();
    // Seven significant digits of the exact value, as d.dddddde±x.
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6);
    if (error != std::errc()) return "0";
    const std::string_view text(buffer, static_cast<size_t>(end - buffer));
    const size_t exponentAt = text.find('e');

    DecimalNumber number;
    std::string digits;
    for (char c : text.substr(0, exponentAt)) {
        if (c == '-')
            number.negative = true;
        else if (c != '.')
            digits += c;
    }
    int exponent = 0;
    std::from_chars(text.data() + exponentAt + 1 + (text[exponentAt + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    // The point stands after the first digit, moved by the exponent.
    const int pointAt = 1 + exponent;
    if (pointAt <= 0) {
        number.fractionDigits = std::string(static_cast<size_t>(-pointAt), '0') + digits;
    } else if (static_cast<size_t>(pointAt) >= digits.size()) {
        number.wholeDigits = digits + std::string(static_cast<size_t>(pointAt) - digits.size(), '0');
    } else {
        number.wholeDigits = digits.substr(0, static_cast<size_t>(pointAt));
        number.fractionDigits = digits.substr(static_cast<size_t>(pointAt));
    }
    Normalize(number);
    return PlainDecimalText(number);
}

std::string ProfileFileText(const ProfileStore& store) {
    std::string text;
    const int inUse = ProfilesInUse(store);
    for (int row = 0; row < inUse; ++row) {
        const BusinessProfile& profile = store.rows[static_cast<size_t>(row)];
        text += QuotedName(profile.name);
        text += kLineEnd;
        for (float percentage : profile.percentages) {
            text += PercentageFileText(percentage);
            text += kLineEnd;
        }
    }
    return text;
}

void ReadProfileFileText(ProfileStore& store, std::string_view bytes) {
    ClearProfiles(store);
    RowFiller filler(store);
    size_t lineStart = 0;
    while (lineStart < bytes.size() && !filler.done()) {
        size_t lineEnd = lineStart;
        while (lineEnd < bytes.size() && !IsLineBreak(bytes[lineEnd]))
            ++lineEnd;
        const std::string_view line = bytes.substr(lineStart, lineEnd - lineStart);
        const bool blank = line.find_first_not_of(" \t") == std::string_view::npos;
        // A blank line inside a row is an empty field (a month of 0), so the later fields keep
        // their places; between rows, where a name is due, it only separates them.
        if (!blank)
            for (const std::string& field : SplitFields(line))
                filler.add(field, bytes, lineStart);
        else if (!filler.atRowStart())
            filler.add(std::string(), bytes, lineStart);
        // CR LF, a lone LF and a lone CR each end a line.
        if (lineEnd < bytes.size() && bytes[lineEnd] == '\r' && lineEnd + 1 < bytes.size() &&
            bytes[lineEnd + 1] == '\n')
            ++lineEnd;
        lineStart = lineEnd + 1;
    }
}

ProfileFileState LoadProfiles(ProfileStore& store, const QString& filePath) {
    ProfileFileState state;
    FileRead read = ReadFileSafely(filePath, kLargestProfileFile);
    if (read.status == FileRead::Status::Missing) {
        ResetToDefaultProfiles(store);
        state.problem = SaveProfiles(store, filePath).reason;
        return state;
    }
    if (read.ok()) {
        ReadProfileFileText(store, read.bytes);
        // Without a single row the profile list would be empty and row 0 would not exist.
        if (ProfilesInUse(store) > 0) {
            state.overCapacity = ProfilesInUse(store) == kProfileRows && !store.unreadTail.empty();
            return state;
        }
        read.reason = "it holds no Business Profile";
    }
    ResetToDefaultProfiles(store);
    state.readable = false;
    state.problem = read.reason;
    return state;
}

FileResult SaveProfiles(const ProfileStore& store, const QString& filePath) {
    return WriteFileAtomically(filePath, ProfileFileText(store) + store.unreadTail);
}
