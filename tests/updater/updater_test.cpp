// SPDX-License-Identifier: GPL-3.0-or-later
// The updater's steps on real files and processes, and the updater program handed installers it
// must refuse: it never installs them, and starts the program again without "/update" so that the
// program reports the failure at once.
#include "tests/support/temp_folder.h"
#include "updater/updater_steps.h"

#include <QCryptographicHash>
#include <QProcess>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

std::string Sha256Of(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

TEST(UpdaterSteps, TheDigestIsTakenOfARegularFileOnlyNeverThroughALink) {
    TempFolder folder;
    const std::string file = folder.write("setup.deb", "package bytes");
    EXPECT_EQ(FileSha256(file), Sha256Of("package bytes"));
    std::filesystem::create_symlink(file, folder.path() / "link.deb");
    EXPECT_EQ(FileSha256(folder.file("link.deb")), std::nullopt);
    EXPECT_EQ(FileSha256(folder.path().string()), std::nullopt);
    EXPECT_EQ(FileSha256(folder.file("missing.deb")), std::nullopt);
}

TEST(UpdaterSteps, OnlyAFileInstalledByAPackageHasAnOwner) {
    EXPECT_EQ(OwningPackage("/usr/bin/dpkg"), "dpkg");
    EXPECT_EQ(OwningPackage(QM_UPDATER), std::nullopt); // a build folder, like a portable copy
    TempFolder folder;
    EXPECT_EQ(DebPackageName(folder.write("fake.deb", "not a package")), std::nullopt);
}

TEST(UpdaterSteps, WaitingForAProcessEndsWhenItEnds) {
    // The child is started and reaped by a thread of its own, so that it disappears when it ends.
    std::promise<long> started;
    std::future<long> pid = started.get_future();
    std::thread parent([&] {
        QProcess sleeper;
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("0.3")});
        started.set_value(sleeper.waitForStarted(5000) ? static_cast<long>(sleeper.processId()) : 0);
        sleeper.waitForFinished(10000);
    });
    const long child = pid.get();
    ASSERT_GT(child, 0);
    EXPECT_FALSE(WaitForProcessEnd(child, std::chrono::milliseconds(50)));
    EXPECT_TRUE(WaitForProcessEnd(child, std::chrono::seconds(10)));
    parent.join();
}

TEST(UpdaterSteps, TheRootStepRefusesAnInstallerThatIsNotThePublishedOne) {
    TempFolder folder;
    const std::string installer = folder.write("setup.deb", "package bytes");
    std::string why;
    EXPECT_NE(InstallAsRoot(installer, Sha256Of("other bytes"), "quillmark", why), 0);
    EXPECT_FALSE(why.empty());
    std::filesystem::create_symlink(installer, folder.path() / "link.deb");
    why.clear();
    EXPECT_NE(InstallAsRoot(folder.file("link.deb"), Sha256Of("package bytes"), "quillmark", why), 0);
    EXPECT_FALSE(why.empty());
}

// The updater program itself, with a stand-in for the program that records how it was started.
TEST(UpdaterProgram, RefusedInstallersAreNeverInstalledAndTheProgramComesBackToTellTheFailure) {
    TempFolder folder;
    const std::string record = folder.file("started.txt");
    const std::string program =
        folder.write("quillmark", "#!/bin/sh\necho \"started $*\" >> " + record + "\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const std::string installer = folder.write("quillmark_3.1.deb", "package bytes");
    std::filesystem::create_symlink(installer, folder.path() / "link.deb");
    struct Case {
        const char* name;
        std::string installer;
        std::string sha256;
    };
    const Case cases[] = {
        {"a portable copy", installer, Sha256Of("package bytes")},
        {"another digest", installer, Sha256Of("other bytes")},
        {"no digest", installer, ""},
        {"a link", folder.file("link.deb"), Sha256Of("package bytes")},
        {"not an installer's name", program, Sha256Of("package bytes")},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(record);
        QProcess updater;
        updater.setProcessChannelMode(QProcess::MergedChannels);
        updater.start(QStringLiteral(QM_UPDATER),
                      {QStringLiteral("--wait"), QStringLiteral("999999999"), QStringLiteral("--program"),
                       QString::fromStdString(program), QStringLiteral("--installer"),
                       QString::fromStdString(c.installer), QStringLiteral("--sha256"),
                       QString::fromStdString(c.sha256)});
        ASSERT_TRUE(updater.waitForFinished(60000)) << c.name;
        EXPECT_EQ(updater.exitCode(), 1) << c.name;
        for (int i = 0; i < 100 && !folder.read("started.txt").ends_with('\n'); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(folder.read("started.txt"), "started \n")
            << c.name << ": " << updater.readAll().toStdString();
        EXPECT_EQ(folder.read("quillmark_3.1.deb"), "package bytes") << c.name;
    }
}

} // namespace
