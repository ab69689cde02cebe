// SPDX-License-Identifier: GPL-3.0-or-later
// The options word and the currency as loaded from section "Options" of the settings file.
#include "app/settings/settings_file.h"
#include "prefs/options.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

class LoadingPreferences : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string file = folder.file("QMK.ini");
    void TearDown() override { Prefs() = Preferences{}; }
};

TEST_F(LoadingPreferences, AbsentSwitchesGiveAutoUpdateAndTipsOnOnly) {
    for (bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists);
        if (fileExists) folder.write("QMK.ini", "[Options]\r\nOther=1\r\n");
        Prefs() = Preferences{};
        LoadPreferences(file);
        EXPECT_EQ(Prefs().OptionFlags, kAutoUpdate | kTipsOn);
        EXPECT_EQ(Prefs().CurrencyOption, 0);
    }
}

TEST_F(LoadingPreferences, OnlyTheLowestBitOfTheRoundedNumberCounts) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true},    {"0", false},   {"2", false},   {"3", true},    {"-1", true},   {"1.4", true},
        {"1.5", false}, {"2.5", false}, {"0.5", false}, {"abc", false}, {"1abc", true}, {"", false}};
    for (const auto& [stored, on] : cases) {
        SCOPED_TRACE(stored);
        for (const OptionSwitch& option : kOptionSwitches) {
            SCOPED_TRACE(option.key);
            PutIni(file, "Options", option.key, stored);
            Prefs() = Preferences{};
            LoadPreferences(file);
            EXPECT_EQ((Prefs().OptionFlags & option.bit) != 0, on);
            PutIni(file, "Options", option.key, option.defaultText);
        }
    }
}

TEST_F(LoadingPreferences, EachKeyMovesItsOwnBit) {
    const std::pair<const char*, OptionBit> keys[] = {{"RememberClient", kRememberClient},
                                                      {"ClearClient", kClearClient},
                                                      {"MonoChart", kMonoChart},
                                                      {"AutoUpdate", kAutoUpdate},
                                                      {"SetSel", kSetSel},
                                                      {"SelMonths", kSelMonths},
                                                      {"TipsOn", kTipsOn}};
    for (const auto& [key, bit] : keys) {
        SCOPED_TRACE(key);
        folder.write("QMK.ini", "");
        for (const auto& [other, unused] : keys)
            PutIni(file, "Options", other, other == key ? "1" : "0");
        LoadPreferences(file);
        EXPECT_EQ(Prefs().OptionFlags, static_cast<uint32_t>(bit));
        EXPECT_STREQ(OptionKey(bit), key);
    }
}

TEST_F(LoadingPreferences, ACurrencyOutsideTheTableReadsAsDollars) {
    const std::pair<const char*, int32_t> cases[] = {{"0", 0},   {"1", 1},           {"2", 2},
                                                     {"1.6", 2}, {"3", 0},           {"-1", 0},
                                                     {"abc", 0}, {"99999999999", 0}, {" 1 ", 1}};
    for (const auto& [stored, currency] : cases) {
        SCOPED_TRACE(stored);
        PutIni(file, "Options", "Currency", stored);
        LoadPreferences(file);
        EXPECT_EQ(Prefs().CurrencyOption, currency);
    }
}

} // namespace
