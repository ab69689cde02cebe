// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/typed_date.h"

#include "dates/dates.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The format's fields in order, each as its upper-case letter.
std::string fieldsOf(std::string_view format) {
    std::string fields;
    char previous = 0;
    for (char c : format) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const bool field = letter == 'M' || letter == 'D' || letter == 'Y';
        if (field && letter != previous) fields += letter;
        previous = field ? letter : 0;
    }
    return fields;
}

// The runs of digits in the text.
std::vector<std::string> numbersOf(std::string_view text) {
    std::vector<std::string> numbers;
    std::string current;
    for (char c : text) {
        if (isDigit(c)) {
            current += c;
        } else if (!current.empty()) {
            numbers.push_back(current);
            current.clear();
        }
    }
    if (!current.empty()) numbers.push_back(current);
    return numbers;
}

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

} // namespace

std::optional<CivilDate> ReadTypedDate(std::string_view text, std::string_view format, CivilDate current) {
    const std::string fields = fieldsOf(format);
    const std::vector<std::string> numbers = numbersOf(text);
    if (fields.empty() || numbers.size() != fields.size()) return std::nullopt;
    CivilDate date = current;
    bool hasDay = false;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string& digits = numbers[i];
        if (digits.size() > 4) return std::nullopt;
        const int value = std::stoi(digits);
        switch (fields[i]) {
        case 'M':
            date.month = value;
            break;
        case 'D':
            date.day = value;
            hasDay = true;
            break;
        default:
            date.year = YearFromShortYear(value, static_cast<int>(digits.size()));
            break;
        }
    }
    if (date.month < 1 || date.month > 12 || date.year < 1) return std::nullopt;
    if (!hasDay && date.day > daysIn(date.month, date.year)) date.day = daysIn(date.month, date.year);
    if (date.day < 1 || date.day > daysIn(date.month, date.year)) return std::nullopt;
    return date;
}
