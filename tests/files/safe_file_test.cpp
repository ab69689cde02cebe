// SPDX-License-Identifier: GPL-3.0-or-later
// The writer replaces a file whole or not at all, and the reader never blocks or reads what is not a
// plain file. Every case looks at the folder afterwards: the old bytes and no temporary file left.
#include "app/files/safe_file.h"
#include "app/settings/settings_file.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QString>

#include <filesystem>
#include <random>
#include <csignal>
#include <sys/wait.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

std::vector<std::string> Names(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SafeWrite, ReplacesTheFileWholeAndKeepsItsPermissions) {
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(Q(file), "new contents"));
    EXPECT_EQ(folder.read("QMK.ini"), "new contents");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(folder), std::vector<std::string>{"QMK.ini"});
}

TEST(SafeWrite, FollowsALinkAndKeepsIt) {
    const TempFolder folder;
    fs::create_directory(folder.path() / "real");
    folder.write("real/QMK.ini", "old");
    fs::create_symlink("real/QMK.ini", folder.path() / "QMK.ini");
    ASSERT_TRUE(WriteFileAtomically(Q(folder.file("QMK.ini")), "new"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "QMK.ini"));
    EXPECT_EQ(folder.read("real/QMK.ini"), "new");
}

struct Refusal {
    const char* what;
    std::function<std::string(const TempFolder&)> prepare; // gives the path to write
    const char* reason;                                      // a part of the reason given
};

const std::vector<Refusal> kRefusals = {
    {"a folder in the file's place",
     [](const TempFolder& f) {
         fs::create_directory(f.path() / "QMK.ini");
         return f.file("QMK.ini");
     },
     "folder"},
    {"a FIFO in the file's place",
     [](const TempFolder& f) {
         ::mkfifo(f.file("QMK.ini").c_str(), 0600);
         return f.file("QMK.ini");
     },
     "pipe"},
    {"a read-only file (refused for root too)",
     [](const TempFolder& f) {
         const std::string file = f.write("QMK.ini", "old");
         fs::permissions(file, fs::perms::owner_read);
         return file;
     },
     "read-only"},
    {"a missing folder", [](const TempFolder& f) { return f.file("missing/QMK.ini"); }, ""},
    {"links in a circle",
     [](const TempFolder& f) {
         fs::create_symlink("b", f.path() / "a");
         fs::create_symlink("a", f.path() / "b");
         return f.file("a");
     },
     "circle"},
};

TEST(SafeWrite, RefusesWhatIsNotAWritableFileAndChangesNothing) {
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.what);
        const TempFolder folder;
        const std::string path = refusal.prepare(folder);
        const std::vector<std::string> before = Names(folder);
        const FileResult result = WriteFileAtomically(Q(path), "new");
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.reason.find(refusal.reason), std::string::npos) << result.reason;
        EXPECT_FALSE(result.reason.empty());
        EXPECT_EQ(Names(folder), before);
        std::error_code ignored;
        if (fs::is_regular_file(path, ignored)) {
            EXPECT_EQ(folder.read("QMK.ini"), "old");
        }
    }
}

TEST(SafeWrite, ACancelledOrAbandonedWriteLeavesTheOldFile) {
    const TempFolder folder;
    const std::string file = folder.write("plan.pdf", "old");
    {
        AtomicFileWriter writer(Q(file));
        ASSERT_TRUE(writer.Open());
        ASSERT_TRUE(writer.Write("half of a new"));
    }
    EXPECT_EQ(folder.read("plan.pdf"), "old");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"plan.pdf"});
}

TEST(SafeRead, TellsMissingFromUnreadableAndNeverBlocks) {
    const TempFolder folder;
    ::mkfifo(folder.file("fifo").c_str(), 0600); // nobody writes: a blocking open would wait forever
    fs::create_directory(folder.path() / "folder");
    fs::create_symlink("nowhere", folder.path() / "dangling");
    folder.write("big", std::string(2000, 'x'));
    folder.write("ok", "bytes");

    const struct {
        const char* name;
        FileRead::Status status;
    } cases[] = {
        {"missing", FileRead::Status::Missing},   {"dangling", FileRead::Status::Missing},
        {"fifo", FileRead::Status::Unreadable},   {"folder", FileRead::Status::Unreadable},
        {"big", FileRead::Status::Unreadable},    {"ok", FileRead::Status::Ok},
    };
    for (const auto& c : cases) {
        const FileRead read = ReadFileSafely(Q(folder.file(c.name)), 1000);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_EQ(read.reason.empty(), c.status != FileRead::Status::Unreadable) << c.name;
    }
    EXPECT_EQ(ReadFileSafely(Q(folder.file("ok"))).bytes, "bytes");
}

TEST(SettingsBatch, ValuesWrittenTogetherReachTheFileTogether) {
    const TempFolder folder;
    const std::string file = folder.write("QMK.ini", "[Info]\r\nClient=Old\r\nBudget=1\r\n");
    {
        SettingsBatch batch(file);
        PutIni(file, "Info", "Client", "New");
        PutIni(file, "Info", "Budget", "2");
        // Inside the batch the new values read back, the file on disk is not yet touched.
        EXPECT_EQ(GETINI(file, "Info", "Client", ""), "New");
        EXPECT_EQ(folder.read("QMK.ini"), "[Info]\r\nClient=Old\r\nBudget=1\r\n");
        ASSERT_TRUE(batch.Commit()) << batch.Reason();
    }
    EXPECT_EQ(folder.read("QMK.ini"), "[Info]\r\nClient=New\r\nBudget=2\r\n");
    {
        SettingsBatch abandoned(file);
        PutIni(file, "Info", "Client", "Lost");
    }
    EXPECT_EQ(GETINI(file, "Info", "Client", ""), "New");
    PutIni(file, "Info", "Client", "Alone"); // outside a batch a value is written at once
    EXPECT_EQ(GETINI(file, "Info", "Client", ""), "Alone");
}

TEST(SettingsBatch, AFileThatCannotBeReadIsNeverWritten) {
    const TempFolder folder;
    fs::create_directory(folder.path() / "QMK.ini");
    SettingsBatch batch(folder.file("QMK.ini"));
    EXPECT_FALSE(PutIniChecked(folder.file("QMK.ini"), "Info", "Client", "New"));
    EXPECT_FALSE(batch.Commit());
    EXPECT_NE(batch.Reason().find("folder"), std::string::npos) << batch.Reason();
    EXPECT_TRUE(fs::is_directory(folder.path() / "QMK.ini"));
}

TEST(SettingsBatch, AProcessKilledWhileWritingLeavesAllOldOrAllNew) {
    // A child writes 20 keys again and again, all with the same value, one batch at a time; it is
    // killed at random moments. Every time the file must hold one batch whole: all 20 keys, equal.
    const TempFolder folder;
    const std::string file = folder.file("QMK.ini");
    constexpr int kKeys = 20;
    std::mt19937 random(1234);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int value = round * 100000;; ++value) {
                SettingsBatch batch(file);
                for (int key = 0; key < kKeys; ++key)
                    PutIni(file, "Info", "Key" + std::to_string(key), std::to_string(value));
                batch.Commit();
            }
        }
        ::usleep(2000 + random() % 20000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string first = GETINI(file, "Info", "Key0", "none");
        for (int key = 1; key < kKeys; ++key)
            ASSERT_EQ(GETINI(file, "Info", "Key" + std::to_string(key), "none"), first) << "round " << round;
    }
    EXPECT_NE(GETINI(file, "Info", "Key0", "none"), "none");
}

} // namespace
