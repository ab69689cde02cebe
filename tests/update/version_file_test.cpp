// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/host_port.h"
#include "update/installer_name.h"
#include "update/installer_target.h"
#include "update/leading_number.h"
#include "update/plain_file_name.h"
#include "update/server_text.h"
#include "update/version_compare.h"
#include "update/version_file.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace {
constexpr const char* kRunningVersion = "3.0.0.0";

TEST(VersionCompare, DotsAreRemovedBeforeTheNumbersAreCompared) {
    struct Case {
        const char* latest;
        bool newer;
    };
    const Case cases[] = {
        {"3.0.0.0", false}, // 3000 = 3000: up to date
        {"3.0.1.0", true},  // 3010 > 3000
        {"3.0.0.1", true},  // 3001
        {"3.1.0.0", true},  // 3100
        {"3.1", false},     // 31 < 3000
        {"4", false},       // 4 < 3000
        {"2.9.9.9", false}, // 2999
        {"", false},        // empty last line: never newer
        {"new", false},     // no number reads as 0
        {" 3.0.1.0", true}, // leading blank skipped
        {"3.0.1.0\r", true}, {"3.0.1.0 beta", true}, {"-3.0.1.0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNewerVersion(kRunningVersion, c.latest), c.newer) << c.latest;
    EXPECT_EQ(VersionNumber("3.0.0.0"), 3000);
    EXPECT_EQ(VersionNumber("3.1"), 31);
}

TEST(VersionFile, TheLastLineIsTheLatestVersion) {
    struct Case {
        const char* text;
        const char* latest;
    };
    const Case cases[] = {
        {"www.example.test /files/setup.exe setup.exe\n3.1.0.0", "3.1.0.0"},
        {"www.example.test /files/setup.exe setup.exe\r\n3.1.0.0", "3.1.0.0"},
        {"a b c\nnotes\n3.0.1.0", "3.0.1.0"},
        {"a b c\n3.1.0.0\n", ""},
        {"3.0.1.0", "3.0.1.0"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LatestVersionLine(c.text), c.latest) << c.text;
}

TEST(VersionFile, AFileEndingInALineFeedNeverOffersAnUpdate) {
    EXPECT_FALSE(IsNewerVersion(kRunningVersion, LatestVersionLine("h /p setup.exe\n9.9.9.9\n")));
    EXPECT_TRUE(IsNewerVersion(kRunningVersion, LatestVersionLine("h /p setup.exe\n9.9.9.9")));
}

TEST(VersionFile, TheFirstLineSplitsIntoHostPathAndFileName) {
    struct Case {
        const char* text;
        InstallerLine fields;
    };
    const Case cases[] = {
        {"www.example.test /files/setup.exe setup.exe\n3.1",
         {"www.example.test", "/files/setup.exe", "setup.exe"}},
        {"127.0.0.1:8080 /s.exe s.exe\r\n3.1", {"127.0.0.1:8080", "/s.exe", "s.exe\r"}},
        {"h /p f.exe trailing words", {"h", "/p", "f.exe"}},
        {"h  /p f.exe", {"h", "", "/p"}},
        {"h /p", {"h", "/p", ""}},
        {"h", {"h", "", ""}},
        {"", {"", "", ""}},
    };
    for (const auto& c : cases) {
        InstallerLine fields = SplitInstallerLine(FirstLine(c.text));
        EXPECT_EQ(fields.host, c.fields.host) << c.text;
        EXPECT_EQ(fields.path, c.fields.path) << c.text;
        EXPECT_EQ(fields.fileName, c.fields.fileName) << c.text;
    }
}

TEST(HostPort, APortAfterTheHostReplacesPort80) {
    struct Case {
        const char* host;
        std::optional<HostPort> expected;
    };
    const Case cases[] = {
        {"www.example.test", HostPort{"www.example.test", 80}},
        {"www.example.test:8080", HostPort{"www.example.test", 8080}},
        {"127.0.0.1:1", HostPort{"127.0.0.1", 1}},
        {"127.0.0.1:65535", HostPort{"127.0.0.1", 65535}},
        {"[::1]:8080", HostPort{"::1", 8080}},
        {"[::1]", HostPort{"::1", 80}},
        {"::1", HostPort{"::1", 80}},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:", std::nullopt},
        {"host:80x", std::nullopt},
        {"host:-80", std::nullopt},
        {"[::1", std::nullopt},
        {"[::1]8080", std::nullopt},
    };
    for (const auto& c : cases) {
        std::optional<HostPort> split = SplitHostPort(c.host);
        ASSERT_EQ(split.has_value(), c.expected.has_value()) << c.host;
        if (!split) continue;
        EXPECT_EQ(split->name, c.expected->name) << c.host;
        EXPECT_EQ(split->port, c.expected->port) << c.host;
    }
}

TEST(PlainFileName, OnlyANameDirectlyInsideTheFolderIsAccepted) {
    struct Case {
        const char* name;
        bool accepted;
    };
    const Case cases[] = {
        {"setup.exe", true},
        {"Quillmark Setup 3.1.exe", true},
        {"Setup\x80.exe", true}, // code page 1252 letters are fine
        {"", false},
        {".", false},
        {"..", false},
        {"../setup.exe", false},
        {"..\\setup.exe", false},
        {"setup..exe", false},
        {"files/setup.exe", false},
        {"/etc/cron.d/job", false},
        {"files\\setup.exe", false},
        {"C:setup.exe", false},
        {"setup.exe:stream", false},
        {"setup.exe\r", false},
        {"set\tup.exe", false},
        {"setup\x7F.exe", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainFileName(c.name), c.accepted) << '"' << c.name << '"';
}

TEST(InstallerTarget, TheFileGoesIntoTheDataFolderUnderOneOfOurNamesOrNowhere) {
    struct Case {
        const char* text;
        const char* folder;
        std::optional<std::string> localPath;
    };
    const Case cases[] = {
        {"h:81 /files/setup.deb quillmark_3.1.deb\n3.1.0.0", "/data/", "/data/quillmark_3.1.deb"},
        {"h /files/setup.deb Setup.DEB\n3.1.0.0", "/data", "/data/Setup.DEB"},
        {"h /p ../../home/user/.bashrc\n3.1.0.0", "/data/", std::nullopt},
        {"h /p /etc/passwd\n3.1.0.0", "/data/", std::nullopt},
        {"h /p C:\\Windows\\evil.deb\n3.1.0.0", "/data/", std::nullopt},
        {"h /p setup.deb\r\n3.1.0.0", "/data/", std::nullopt}, // the carriage return stays in the name
        {"h /p\n3.1.0.0", "/data/", std::nullopt},
        // The program's own files and folders, in a portable copy all in the data folder.
        {"h /p quillmark\n3.1.0.0", "/data/", std::nullopt},
        {"h /p History.rtf\n3.1.0.0", "/data/", std::nullopt},
        {"h /p qmk.INI\n3.1.0.0", "/data/", std::nullopt},
        {"h /p Categories.dat\n3.1.0.0", "/data/", std::nullopt},
        {"h /p Help\n3.1.0.0", "/data/", std::nullopt},
        {"h /p quillmark-updater\n3.1.0.0", "/data/", std::nullopt},
        // Only a package this system installs, under a name that is not hidden.
        {"h /p setup.exe\n3.1.0.0", "/data/", std::nullopt},
        {"h /p .deb\n3.1.0.0", "/data/", std::nullopt},
        {"h /p .hidden.deb\n3.1.0.0", "/data/", std::nullopt},
        {"h /p setup.deb.sh\n3.1.0.0", "/data/", std::nullopt},
    };
    for (const auto& c : cases) {
        std::optional<InstallerTarget> target = ResolveInstallerTarget(c.text, c.folder);
        ASSERT_EQ(target.has_value(), c.localPath.has_value()) << c.text;
        if (!target) continue;
        EXPECT_EQ(target->localPath, *c.localPath);
        EXPECT_EQ(target->host, std::string(c.text).substr(0, std::string(c.text).find(' ')));
        EXPECT_EQ(target->path, "/files/setup.deb");
        EXPECT_EQ(target->sha256, "");
    }
    EXPECT_FALSE(IsOwnInstallerName(std::string(252, 'a') + ".deb")); // longer than a file name may be
}

TEST(VersionFile, AMiddleLineMayNameTheInstallersDigest) {
    const std::string digest(64, 'a');
    const std::string upper = "ABCDEF0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF0123456789";
    struct Case {
        std::string text;
        std::optional<std::string> sha256;
    };
    const Case cases[] = {
        {"h /p a.deb\nsha256 " + digest + "\n3.1.0.0", digest},
        {"h /p a.deb\r\nsha256 " + upper + "\r\n3.1.0.0",
         "abcdef0123456789abcdef0123456789abcdef0123456789abcdef0123456789"},
        {"h /p a.deb\nnote\nsha256 " + digest + "\nmore\n3.1.0.0", digest},
        {"h /p a.deb\n3.1.0.0", std::nullopt},
        {"sha256 " + digest + "\n3.1.0.0", std::nullopt}, // the first line names the installer
        {"h /p a.deb\nsha256 " + digest, std::nullopt},   // the last line is the version
        {"h /p a.deb\nsha256 " + digest + "0\n3.1.0.0", std::nullopt},
        {"h /p a.deb\nsha256 " + std::string(63, 'a') + "g\n3.1.0.0", std::nullopt},
        {"h /p a.deb\nSHA256 " + digest + "\n3.1.0.0", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NamedSha256(c.text), c.sha256) << c.text;
    const std::optional<InstallerTarget> target =
        ResolveInstallerTarget("h /p a.deb\nsha256 " + digest + "\n3.1.0.0", "/d/");
    ASSERT_TRUE(target);
    EXPECT_EQ(target->sha256, digest);
    EXPECT_EQ(LatestVersionLine("h /p a.deb\nsha256 " + digest + "\n3.1.0.0"), "3.1.0.0");
}

TEST(ServerText, MarkupAndControlCharactersAreNeutralisedAndTheTextIsCut) {
    struct Case {
        std::string text;
        std::size_t limit;
        std::string shown;
    };
    const Case cases[] = {
        {"3.1.0.0", 40, "3.1.0.0"},
        {"3.0.1.0{f4}|Your licence has expired", 40, "3.0.1.0(f4)/Your licence has expired"},
        {"a\r\nb\tc\x7f", 40, "abc"},
        {std::string(20'000'000, '9'), 40, std::string(37, '9') + "..."},
        {"12345", 5, "12345"},
        {"123456", 5, "12..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsPlainDialogText(c.text, c.limit), c.shown) << c.text.substr(0, 50);
}

TEST(LeadingWholeNumber, ReadsTheLeadingNumberRoundedHalfToEven) {
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  -7 apples", -7},
        {"+12", 12},
        {"2.5", 2},
        {"3.5", 4},
        {"2.51", 3},
        {"-2.5", -2},
        {"0.49", 0},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"1,234", 1},
        {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingWholeNumber(c.text), c.value) << '"' << c.text << '"';
}
} // namespace
