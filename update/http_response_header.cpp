// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/http_response_header.h"

#include "update/leading_number.h"

#include <algorithm>

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCase(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), Lower);
    return lowered;
}

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The trimmed value of a "name:" line, or nullopt when the line is another field.
std::optional<std::string_view> FieldValue(std::string_view line, std::string_view nameWithColon) {
    if (line.size() < nameWithColon.size() ||
        LowerCase(line.substr(0, nameWithColon.size())) != nameWithColon)
        return std::nullopt;
    return Trim(line.substr(nameWithColon.size()));
}

std::string SecondField(std::string_view line) {
    std::size_t start = line.find(' ');
    if (start == std::string_view::npos) return {};
    ++start;
    std::size_t end = line.find(' ', start);
    return std::string(
        line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}
} // namespace

bool IsHeaderEnd(std::string_view line) {
    return line.empty() || line == " ";
}

void ReadHeaderLine(std::string_view line, ResponseHeader& header) {
    if (line.starts_with("HTTP")) {
        header.status = SecondField(line);
    } else if (auto coding = FieldValue(line, "transfer-encoding:")) {
        header.transferCoding = LowerCase(*coding);
    } else if (auto length = FieldValue(line, "content-length:")) {
        header.contentLength = LeadingWholeNumber(*length);
    } else if (auto connection = FieldValue(line, "connection:")) {
        header.connection = LowerCase(*connection);
    }
}

std::string_view WithoutLineEnd(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}
