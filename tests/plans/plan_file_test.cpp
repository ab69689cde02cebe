// SPDX-License-Identifier: GPL-3.0-or-later
// Plan files as bytes on disk: what a saved plan holds, what survives a save over it, and every
// kind of file that is not a plan refused with its reason.
#include "plan/plan_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

PlanDocument SamplePlan() {
    PlanDocument plan;
    plan.info = {{"Client", "\"Quoted & Sons\""},
                 {"Station", "WQMK"},
                 {"Salesrep", "Pat \x96 Ortega"},
                 {"PresentDate", "2458428"},
                 {"StartMonth", "November"},
                 {"Year", "2458428"},
                 {"Budget", "12000"},
                 {"Rate", "50"},
                 {"Profile", "Test Shop"},
                 {"Opportunity", "10"},
                 {"MaxValue", "90"},
                 {"CurrValue", "65"}};
    plan.profileName = "Test Shop";
    plan.months = {"8.0", "8.0", "8.0", "8.0", "10.0", "8.0", "8.0", "8.0", "8.0", "8.0", "8.0", "10.0"};
    plan.currency = 1;
    return plan;
}

std::string SampleBytes() {
    return *PlanFileBytes(SamplePlan(), "");
}

// `bytes` with the line that starts with `start` replaced (or removed when `line` is empty).
std::string Edited(std::string bytes, const std::string& start, const std::string& line) {
    const size_t at = bytes.find(start);
    EXPECT_NE(at, std::string::npos) << start;
    const size_t end = bytes.find("\r\n", at) + 2;
    return bytes.replace(at, end - at, line.empty() ? "" : line + "\r\n");
}

TEST(PlanFile, SavedAndReadBackUnchanged) {
    const std::string bytes = SampleBytes();
    // INI text with CR LF line ends and both sections, readable by the --plan reader too.
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    EXPECT_NE(bytes.find("[Info]\r\nClient=\"\"Quoted & Sons\"\"\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Currency=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[Profile]\r\nName=Test Shop\r\nJan=8.0\r\n"), std::string::npos) << bytes;

    const PlanRead read = ParsePlan(bytes);
    ASSERT_TRUE(read.plan) << read.reason;
    EXPECT_EQ(*read.plan, SamplePlan());
}

TEST(PlanFile, SavingOverAPlanKeepsWhatItDoesNotKnow) {
    TempFolder folder;
    const std::string old = "; written by a newer version\r\n[Info]\r\nClient=Old\r\nNotes=call in May\r\n"
                            "[Profile]\r\nName=Old\r\nSource=shared\r\n[Extra]\r\nColour=blue\r\n";
    const std::string path = folder.write("a.qmplan", old);
    ASSERT_TRUE(WritePlanFile(QString::fromStdString(path), SamplePlan()));

    const std::string saved = folder.read("a.qmplan");
    for (const char* kept : {"; written by a newer version\r\n", "Notes=call in May\r\n", "Source=shared\r\n",
                             "[Extra]\r\nColour=blue\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << "\n" << saved;
    const PlanRead read = ReadPlanFile(QString::fromStdString(path));
    ASSERT_TRUE(read.plan) << read.reason;
    EXPECT_EQ(*read.plan, SamplePlan());
}

struct BadPlan {
    const char* name;
    std::string bytes;
    const char* reason; // a part of the reason told
};

TEST(PlanFile, WhatIsNotAPlanIsRefusedWithItsReason) {
    std::string months = "[Profile]\r\nName=X\r\n";
    for (const char* m : {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"})
        months += std::string(m) + "=8.3\r\n";
    const BadPlan cases[] = {
        {"empty", "", "empty"},
        {"binary junk",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0",
                     10) +
             SampleBytes(),
         "binary"},
        {"UTF-16", "\xFF\xFE[\0I\0", "binary"},
        {"a QMK.ini", "[Options]\r\nCurrency=0\r\n[Info]\r\nClient=A\r\nProfile=Retail\r\n", "no [Profile]"},
        {"no [Profile]", Edited(SampleBytes(), "[Profile]", "[Profiles]"), "no [Profile]"},
        {"no [Info]", months + "[Other]\r\nCurrency=0\r\n", "no [Info]"},
        {"no profile name", Edited(SampleBytes(), "Name=", "Name="), "names no profile"},
        {"a month missing", Edited(SampleBytes(), "Dec=", ""), "no percentage for Dec"},
        {"not totalling 100", Edited(SampleBytes(), "Dec=", "Dec=9.9"), "add up to 99.9"},
        {"a month not a number", Edited(SampleBytes(), "Jan=", "Jan=8%"), "for Jan"},
        {"a month below 0", Edited(Edited(SampleBytes(), "Jan=", "Jan=-2"), "Feb=", "Feb=18"), "for Jan"},
        {"currency 3", Edited(SampleBytes(), "Currency=", "Currency=3"), "currency (\"3\")"},
        {"currency missing", Edited(SampleBytes(), "Currency=", ""), "currency"},
    };
    for (const BadPlan& c : cases) {
        const PlanRead read = ParsePlan(c.bytes);
        EXPECT_FALSE(read.plan) << c.name;
        EXPECT_NE(read.reason.find(c.reason), std::string::npos) << c.name << ": " << read.reason;
    }
}

TEST(PlanFile, FilesThatCannotBeReadAsPlansAreRefused) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "folder.qmplan");
    folder.write("huge.qmplan", SampleBytes() + std::string(10u << 20, ';'));
    ASSERT_EQ(mkfifo(folder.file("fifo.qmplan").c_str(), 0600), 0);
    const std::pair<const char*, const char*> cases[] = {
        {"missing.qmplan", "no such file"}, {"folder.qmplan", ""}, {"huge.qmplan", ""}, {"fifo.qmplan", ""}};
    for (const auto& [name, reason] : cases) {
        const PlanRead read = ReadPlanFile(QString::fromStdString(folder.file(name)));
        EXPECT_FALSE(read.plan) << name;
        EXPECT_FALSE(read.reason.empty()) << name;
        EXPECT_NE(read.reason.find(reason), std::string::npos) << name << ": " << read.reason;
    }
}

} // namespace
