// SPDX-License-Identifier: GPL-3.0-or-later
// The whole update on this machine, nothing replaced: the program, installed from a throwaway
// package, offers the newer package that nginx publishes over https with its digest; Yes downloads
// it and ends the program; the updater checks the digest again, installs the package with apt-get
// and starts "quillmark /update"; the program congratulates, shows what is new and deletes the
// installer. The https certificate is made for the test and trusted through QUILLMARK_TEST_CA_FILE.
#include "tests/update_cycle/throwaway_package.h"
#include "tests/update_e2e/nginx_server.h"
#include "tests/update_e2e/program_run.h"

#include "app/settings/settings_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

namespace {

using e2e::ProgramRun;
using e2e::VirtualDisplay;
using e2e::WaitFor;

constexpr int kInstallLimitMs = 180000;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Sha256Of(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// What this machine lacks for the test, or empty.
std::string Missing() {
    if (::geteuid() != 0) return "installing a package needs root";
    for (const char* tool : {"/usr/bin/dpkg", "/usr/bin/dpkg-deb", "/usr/bin/apt-get", "/usr/bin/openssl",
                             "/usr/bin/Xvfb", "/usr/bin/xdotool"})
        if (::access(tool, X_OK) != 0) return std::string(tool) + " is missing";
    return {};
}

// The processes running this program file (the copy the updater started is not the test's child).
std::vector<pid_t> ProcessesOf(const std::string& program) {
    std::vector<pid_t> found;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code error;
        const std::string exe = std::filesystem::read_symlink(entry.path() / "exe", error).string();
        if (!error && (exe == program || exe == program + " (deleted)")) found.push_back(std::stoi(name));
    }
    return found;
}

// Ends every copy of the program file still running when the test ends, passed or failed: the copy
// the updater started is nobody's child here.
class EndCopiesOf {
  public:
    explicit EndCopiesOf(std::string program) : program_(std::move(program)) {}
    ~EndCopiesOf() {
        for (pid_t pid : ProcessesOf(program_))
            ::kill(pid, SIGTERM);
        if (!WaitFor([&] { return ProcessesOf(program_).empty(); }, e2e::kStopLimitMs))
            for (pid_t pid : ProcessesOf(program_))
                ::kill(pid, SIGKILL);
    }
    EndCopiesOf(const EndCopiesOf&) = delete;
    EndCopiesOf& operator=(const EndCopiesOf&) = delete;

  private:
    std::string program_;
};

std::string Key(const TempFolder& data, const std::string& key) {
    return GETINI(data.file("QMK.ini"), "Update", key, "<missing>");
}

TEST(UpdateCycle, AnUpdatePublishedOverHttpsIsInstalledAndTheProgramComesBackCongratulating) {
    if (const std::string missing = Missing(); !missing.empty()) GTEST_SKIP() << missing;
    TempFolder keys;
    std::string log;
    std::string openssl;
    ASSERT_EQ(RunCommand("openssl",
                         {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                          "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                          keys.file("key.pem"), "-out", keys.file("cert.pem")},
                         openssl),
              0)
        << openssl;

    ThrowawayPackage package;
    std::string why;
    const std::string first = package.build("1.0", why);
    ASSERT_FALSE(first.empty()) << why;
    const std::string second = package.build("2.0", why);
    ASSERT_FALSE(second.empty()) << why;
    ASSERT_TRUE(package.install(first, why)) << why;
    ASSERT_EQ(package.installedVersion(), "1.0");

    NginxServer nginx(keys.file("cert.pem"), keys.file("key.pem"));
    ASSERT_EQ(nginx.failure(), "");
    const std::string installerName = std::filesystem::path(second).filename().string();
    const std::string installer = ReadAll(second);
    nginx.serve("files/" + installerName, installer);
    nginx.serve("QMKVersion.txt", nginx.host() + " /files/" + installerName + " " + installerName +
                                      "\nsha256 " + Sha256Of(installer) + "\n3.1.0.0");

    VirtualDisplay display;
    ASSERT_NE(display.name(), "") << "Xvfb did not start";
    TempFolder data;
    // The run stays in scope for the whole cycle: the updater and the program it starts again inherit
    // its temporary and runtime folders (dpkg-deb and apt-get work in TMPDIR) and its output pipe,
    // as they would inherit a desktop session's.
    ProgramRun run(data, "2025-03-10", nginx.secureAddress("/QMKVersion.txt"), {}, display.name(),
                   package.programPath(), {{"QUILLMARK_TEST_CA_FILE", keys.file("cert.pem")}});
    const EndCopiesOf endCopies(package.programPath());
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(display.focusWindow("New Version Available", log))
        << log << run.output() << " version file requests: " << nginx.requestsFor("/QMKVersion.txt")
        << " last check: " << Key(data, "LastCheck");
    ASSERT_TRUE(display.pressKey("Return", log)) << log;
    ASSERT_TRUE(run.finished(e2e::kStartUpLimitMs)) << "the program did not end: " << run.output();
    EXPECT_EQ(nginx.requestsFor("/files/" + installerName), 1);
    EXPECT_EQ(Key(data, "NewVer"), "3.1.0.0");

    // The updater installs the package and starts the program again, which congratulates.
    EXPECT_TRUE(WaitFor([&] { return package.installedVersion() == "2.0"; }, kInstallLimitMs))
        << "installed: " << package.installedVersion() << "; output: " << run.output();
    EXPECT_TRUE(std::filesystem::exists(package.markerPath("2.0")));
    ASSERT_TRUE(display.focusWindow("Update Process Complete", log)) << log << run.output();
    EXPECT_EQ(Key(data, "NewVer"), "");
    EXPECT_EQ(Key(data, "Failed"), "0");
    ASSERT_TRUE(display.pressKey("Return", log)) << log; // See What's New
    ASSERT_TRUE(display.focusWindow("Update Information", log)) << log;
    ASSERT_TRUE(display.pressKey("Escape", log)) << log;
    EXPECT_TRUE(
        WaitFor([&] { return !std::filesystem::exists(data.path() / installerName); }, e2e::kStartUpLimitMs))
        << "the installer was not cleaned up";
    // The key is cleared just after the file is removed (a synced write of its own).
    EXPECT_TRUE(WaitFor([&] { return Key(data, "Install").empty(); }, e2e::kStartUpLimitMs))
        << "Install still names " << Key(data, "Install");
}

} // namespace
