// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the settings tests.
#include <cstddef>
#include <string>

// A text of n bytes cycling through the digits, so that a cut shows in its length and its last byte.
inline std::string Digits(std::size_t n) {
    std::string text(n, '0');
    for (std::size_t i = 0; i < n; ++i)
        text[i] = static_cast<char>('0' + i % 10);
    return text;
}

// Whether file permissions stop this process from writing (not so for root).
bool PermissionsStopWrites();
