// SPDX-License-Identifier: GPL-3.0-or-later
// Writes that cannot be done: each must report failure and leave the folder exactly as it was, with
// no temporary file left behind. Permissions do not stop root, so those cases are skipped there; the
// missing folder and the folder in the file's place show the same guarantee for every user.
#include "app/settings/private_profile.h"
#include "app/settings/settings_file.h"

#include "tests/settings/profile_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

const std::string kOld = "[S]\r\nK=old\r\n";

struct Failure {
    const char* what;
    bool needsPermissions;                                 // shown only where permissions stop writes
    std::function<std::string(const TempFolder&)> prepare; // fills the folder, gives the file name
    std::function<void(const TempFolder&, const fs::path&)> restrict = {}; // then takes rights away
};

const std::vector<Failure> kFailures = {
    {"the folder is missing", false, [](const TempFolder& f) { return f.file("missing/QMK.ini"); }},
    {"a folder stands in the file's place", false,
     [](const TempFolder& f) {
         fs::create_directory(f.path() / "QMK.ini");
         return f.file("QMK.ini");
     }},
    {"the file is UTF-16", false,
     [](const TempFolder& f) { return f.write("QMK.ini", "\xFF\xFE[\0S\0]\0"s); }},
    {"the file is read-only", true, [](const TempFolder& f) { return f.write("QMK.ini", kOld); },
     [](const TempFolder&, const fs::path& file) { fs::permissions(file, fs::perms::owner_read); }},
    {"the file cannot be read", true, [](const TempFolder& f) { return f.write("QMK.ini", kOld); },
     [](const TempFolder&, const fs::path& file) { fs::permissions(file, fs::perms::owner_write); }},
    {"the folder is read-only", true, [](const TempFolder& f) { return f.write("QMK.ini", kOld); },
     [](const TempFolder& f, const fs::path&) {
         fs::permissions(f.path(), fs::perms::owner_read | fs::perms::owner_exec);
     }},
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.what;
}

// Every name in the folder, with the bytes of the files.
std::map<std::string, std::string> Snapshot(const TempFolder& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const std::string name = fs::relative(entry.path(), folder.path()).string();
        entries[name] = entry.is_regular_file() ? folder.read(name) : std::string("<folder>");
    }
    return entries;
}

class WriteFailures : public ::testing::TestWithParam<Failure> {};

TEST_P(WriteFailures, AreReportedAndLeaveTheOldState) {
    const Failure& failure = GetParam();
    if (failure.needsPermissions && !PermissionsStopWrites())
        GTEST_SKIP() << "file permissions do not stop this user's writes (running as root)";
    const TempFolder folder;
    const std::string file = failure.prepare(folder);
    const auto before = Snapshot(folder);
    if (failure.restrict) failure.restrict(folder, file);

    EXPECT_FALSE(WriteProfileValue(file, "S", "K", "new"));
    EXPECT_FALSE(PutIniChecked(file, "S", "J", "new"));
    PutIni(file, "T", "K", "new");

    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);
    if (fs::is_regular_file(file)) fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Snapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Failures, WriteFailures, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<Failure>& param) {
                             return "Failure" + std::to_string(param.index);
                         });

TEST(WriteFailures, AnUnreadableFileReadsAsDefaults) {
    if (!PermissionsStopWrites()) GTEST_SKIP() << "file permissions do not stop this user (running as root)";
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", kOld);
    fs::permissions(file, fs::perms::owner_write);
    EXPECT_EQ(ReadProfileValue(file, "S", "K", "d", 4000).text, "d");
}

TEST(WriteFailures, AFolderInTheFilesPlaceReadsAsDefaults) {
    const TempFolder folder;
    fs::create_directory(folder.path() / "QMK.ini");
    EXPECT_EQ(ReadProfileValue(folder.file("QMK.ini"), "S", "K", "d", 4000).text, "d");
}

TEST(WriteFailures, NamesThatWouldNotReadBackAreRefused) {
    // Such a name would turn into another section or key, or into a comment, when the file is read.
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", kOld);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"a]b", "K"},  {"S\r\n[T]", "K"}, {"S\n", "K"},  {"S", "a=b"},    {"S", "[T]"},
        {"S", "\t[T"}, {"S", ";K"},       {"S", "\t;K"}, {"S", "K\r\nJ"}, {"S", "K\r"},
    };
    for (const auto& [section, key] : refused) {
        EXPECT_FALSE(WriteProfileValue(file, section, key, "v")) << section << " / " << key;
        EXPECT_EQ(folder.read("QMK.ini"), kOld);
    }
}

TEST(WriteFailures, AFileNameWithAZeroByteIsRefused) {
    const TempFolder folder;
    const std::string file = folder.file("QMK.ini") + std::string(1, '\0') + "x";
    EXPECT_FALSE(WriteProfileValue(file, "S", "K", "v"));
    EXPECT_EQ(ReadProfileValue(file, "S", "K", "d", 4000).text, "d");
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

} // namespace
