// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/options.h"

#include "app/settings/settings_file.h"
#include "plan/number_text.h"

const OptionSwitch kOptionSwitches[7] = {
    {"RememberClient", kRememberClient, "0"},
    {"ClearClient", kClearClient, "0"},
    {"MonoChart", kMonoChart, "0"},
    {"AutoUpdate", kAutoUpdate, "1"},
    {"SetSel", kSetSel, "0"},
    {"SelMonths", kSelMonths, "0"},
    {"TipsOn", kTipsOn, "1"},
};

const char* OptionKey(OptionBit bit) {
    for (const OptionSwitch& option : kOptionSwitches)
        if (option.bit == bit) return option.key;
    return "";
}

Preferences& Prefs() {
    static Preferences preferences;
    return preferences;
}

void LoadPreferences(const std::string& settingsFile) {
    Preferences& p = Prefs();
    const int32_t currency = LeadingInteger(GETINI(settingsFile, "Options", "Currency", "0"));
    p.CurrencyOption = currency >= 0 && currency <= 2 ? currency : 0;
    for (const OptionSwitch& option : kOptionSwitches) {
        const int32_t value = LeadingInteger(GETINI(settingsFile, "Options", option.key, option.defaultText));
        if ((value & 1) != 0)
            p.OptionFlags |= option.bit;
        else
            p.OptionFlags &= ~static_cast<uint32_t>(option.bit);
    }
}
