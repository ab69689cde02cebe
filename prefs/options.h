// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's options: one options word and the currency, loaded once at start and read by every
// part of the program.
#include <cstdint>
#include <string>

enum OptionBit : uint32_t {
    kRememberClient = 1U << 0,
    kClearClient = 1U << 1,
    kMonoChart = 1U << 2,
    kAutoUpdate = 1U << 4,
    kSetSel = 1U << 5,
    kSelMonths = 1U << 6,
    kTipsOn = 1U << 7,
};

struct Preferences {
    uint32_t OptionFlags = 0;
    int32_t CurrencyOption = 0; // 0 dollar, 1 euro, 2 pound
};

Preferences& Prefs();
inline bool OptionOn(OptionBit bit) {
    return (Prefs().OptionFlags & bit) != 0;
}

// One switch of section "Options": its key, its bit and its default text.
struct OptionSwitch {
    const char* key;
    OptionBit bit;
    const char* defaultText;
};
extern const OptionSwitch kOptionSwitches[7];
// The key of a switch in section "Options".
const char* OptionKey(OptionBit bit);

// Reads section "Options" of the settings file: Currency, then the seven switches. A switch is
// the whole number of its text, of which only the lowest bit counts. A currency outside 0..2
// reads as 0, so that nothing indexes past the symbol table.
void LoadPreferences(const std::string& settingsFile);
