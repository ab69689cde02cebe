// SPDX-License-Identifier: GPL-3.0-or-later
// GETINI and PutIni over the private-profile layer: the fixed buffers they copy into, the spaces
// they strip and the tabs they keep, and the file names they are given.
#include "app/settings/settings_file.h"

#include "tests/settings/profile_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

using namespace std::string_literals;

namespace {

struct ReadRule {
    const char* what;
    std::string line; // the key line stored in section S ("" for none)
    std::string defaultValue;
    std::string expected;
};

const std::vector<ReadRule> kReadRules = {
    {"quoted spaces are stripped", "K=\"  v  \"", "d", "v"},
    {"tabs stay", "K=\"\tv\t\"", "d", "\tv\t"},
    {"spaces outside tabs go, tabs stay", "K=\"  \t v \t  \"", "d", "\t v \t"},
    {"inner spaces stay", "K=a  b", "d", "a  b"},
    {"an empty value is not the default", "K=", "d", ""},
    {"a missing key gives the default without its spaces", "", "  d  ", "d"},
    {"tabs stay on the default", "", "\td\t", "\td\t"},
    {"a value of 4000 bytes is cut to 3999", "K=" + Digits(4000), "d", Digits(3999)},
    {"a value ends at a zero byte", "K=ab\0cd"s, "d", "ab"},
    {"a default of 300 bytes is cut to 299", "", Digits(300), Digits(299)},
    {"a default ends at a zero byte", "", "de\0f"s, "de"},
};

void PrintTo(const ReadRule& rule, std::ostream* out) {
    *out << rule.what;
}

class GetIniRules : public ::testing::TestWithParam<ReadRule> {};

TEST_P(GetIniRules, GiveTheTrimmedText) {
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", "[S]\r\n" + GetParam().line + "\r\n");
    EXPECT_EQ(GETINI(file, "S", "K", GetParam().defaultValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, GetIniRules, ::testing::ValuesIn(kReadRules),
                         [](const ::testing::TestParamInfo<ReadRule>& param) {
                             return "Rule" + std::to_string(param.index);
                         });

TEST(GetIni, CutsSectionAndKeyNamesTo299Bytes) {
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", "[" + Digits(299) + "]\r\n" + Digits(299) + "=cut\r\n[" +
                                                         Digits(300) + "]\r\n" + Digits(300) + "=whole\r\n");
    EXPECT_EQ(GETINI(file, Digits(299), Digits(299), "d"), "cut");
    EXPECT_EQ(GETINI(file, Digits(350), Digits(400), "d"), "cut");
    EXPECT_EQ(GETINI(file, Digits(300), Digits(300), "d"), "cut")
        << "the names are cut before they are looked up";
}

TEST(GetIni, MissingFileGivesTheTrimmedDefault) {
    const TempFolder folder;
    EXPECT_EQ(GETINI(folder.file("none.ini"), "S", "K", " -1 "), "-1");
}

struct WriteRule {
    const char* what;
    std::string section, key, value;
    std::string stored; // the file's bytes afterwards
};

const std::vector<WriteRule> kWriteRules = {
    {"spaces around names and value are stripped", "  S ", " K  ", "   v   ", "[S]\r\nK=v\r\n"},
    {"tabs around a value stay", "S", "K", " \tv\t ", "[S]\r\nK=\tv\t\r\n"},
    {"a value of 1000 bytes is stored as 999", "S", "K", Digits(1000), "[S]\r\nK=" + Digits(999) + "\r\n"},
    {"spaces go before the value is cut", "S", "K", "    " + Digits(1200) + "  ",
     "[S]\r\nK=" + Digits(999) + "\r\n"},
    {"names are cut to 299 bytes", " " + Digits(400), Digits(300) + " ", "v",
     "[" + Digits(299) + "]\r\n" + Digits(299) + "=v\r\n"},
    {"a value ends at a zero byte", "S", "K", "ab\0cd"s, "[S]\r\nK=ab\r\n"},
    {"a line break in a value ends it", "S", "K", "one\r\n[T]", "[S]\r\nK=one\r\n"},
    {"an empty value", "S", "K", "", "[S]\r\nK=\r\n"},
    {"code page 1252 bytes pass unchanged", "Info", "Client", "Caf\xE9 \x80\xA3\x99\x97",
     "[Info]\r\nClient=Caf\xE9 \x80\xA3\x99\x97\r\n"},
};

void PrintTo(const WriteRule& rule, std::ostream* out) {
    *out << rule.what;
}

class PutIniRules : public ::testing::TestWithParam<WriteRule> {};

TEST_P(PutIniRules, StoreTheTrimmedCutText) {
    const TempFolder folder;
    EXPECT_TRUE(PutIniChecked(folder.file("QMK.ini"), GetParam().section, GetParam().key, GetParam().value));
    EXPECT_EQ(folder.read("QMK.ini"), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Rules, PutIniRules, ::testing::ValuesIn(kWriteRules),
                         [](const ::testing::TestParamInfo<WriteRule>& param) {
                             return "Rule" + std::to_string(param.index);
                         });

TEST(PutIni, ValuesReadBackThroughGetIni) {
    const TempFolder folder;
    const std::string file = folder.file("QMK.ini");
    PutIni(file, "QM", "LastCol", "-1");
    PutIni(file, "QM", "LastRow", "12.5");
    PutIni(file, "Default", "Opportunity", "10");
    PutIni(file, "QM", "LastCol", "40");
    EXPECT_EQ(GETINI(file, "QM", "LastCol", "x"), "40");
    EXPECT_EQ(GETINI(file, "qm", "lastrow", "x"), "12.5");
    EXPECT_EQ(GETINI(file, "Default", "Opportunity", "x"), "10");
    EXPECT_EQ(folder.read("QMK.ini"),
              "[QM]\r\nLastCol=40\r\nLastRow=12.5\r\n[Default]\r\nOpportunity=10\r\n");
}

TEST(PutIni, StripsSpacesFromTheFileName) {
    const TempFolder folder;
    EXPECT_TRUE(PutIniChecked("  " + folder.file("QMK.ini") + " ", "S", "K", "v"));
    EXPECT_EQ(folder.read("QMK.ini"), "[S]\r\nK=v\r\n");
}

TEST(PutIni, ReportsAMissingFolder) {
    const TempFolder folder;
    EXPECT_FALSE(PutIniChecked(folder.file("missing/QMK.ini"), "S", "K", "v"));
    PutIni(folder.file("missing/QMK.ini"), "S", "K", "v");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(SettingsFileName, IsCodePage1252Text) {
    const TempFolder folder;
    const std::string file = folder.file("Caf\xE9 \x80.ini");
    ASSERT_TRUE(PutIniChecked(file, "S", "K", "v"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / std::filesystem::path(u8"Caf\u00E9 \u20AC.ini")));
    EXPECT_EQ(GETINI(file, "S", "K", "d"), "v");
}

TEST(SettingsFileName, IsNeverCutShort) {
    // A path cut to a buffer would name another file, most likely in another folder.
    const TempFolder folder;
    const std::string deep =
        std::string(150, 'a') + "/" + std::string(150, 'b') + "/" + std::string(150, 'c');
    std::filesystem::create_directories(folder.path() / deep);
    const std::string file = folder.file(deep + "/QMK.ini");
    ASSERT_GT(file.size(), 400u);
    ASSERT_TRUE(PutIniChecked(file, "S", "K", "v"));
    EXPECT_EQ(GETINI(file, "S", "K", "d"), "v");
    EXPECT_EQ(folder.read(deep + "/QMK.ini"), "[S]\r\nK=v\r\n");
    EXPECT_FALSE(std::filesystem::exists(file.substr(0, 299)));
}

} // namespace

// A settings file read once is kept while nothing about it changes; whatever another program does
// to it is seen at the next read, even a rewrite in place to the same size with its old time put
// back.
TEST(GetIni, SeesEveryChangeOfAFileReadBefore) {
    TempFolder folder;
    const std::string file = folder.write("QMK.ini", "[S]\r\nK=1\r\n");
    const auto settled = std::filesystem::last_write_time(file);
    // A file is kept only once it has not changed for a while: its times are too coarse to tell
    // two quick writes apart.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_EQ(GETINI(file, "S", "K", ""), "1");
    ASSERT_EQ(GETINI(file, "S", "K", ""), "1");

    {
        std::fstream inPlace(file, std::ios::in | std::ios::out | std::ios::binary);
        inPlace.seekp(7);
        inPlace.put('2');
    }
    std::filesystem::last_write_time(file, settled);
    EXPECT_EQ(GETINI(file, "S", "K", ""), "2");

    folder.write("QMK.ini.new", "[S]\r\nK=3\r\n");
    std::filesystem::last_write_time(folder.file("QMK.ini.new"), settled);
    std::filesystem::rename(folder.file("QMK.ini.new"), file);
    EXPECT_EQ(GETINI(file, "S", "K", ""), "3");
    std::filesystem::remove(file);
    EXPECT_EQ(GETINI(file, "S", "K", "gone"), "gone");
}
