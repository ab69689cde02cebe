// SPDX-License-Identifier: GPL-3.0-or-later
// The check's download when the data folder's disk is full: an earlier file of the installer's name
// stays byte for byte, nothing is recorded, the settings file is intact and the user is told.
#include "tests/update_window/update_window_fixture.h"

#include "tests/support/full_disk.h"
#include "tests/update/scripted_server.h"
#include "update/download_errors.h"

#include <QCoreApplication>

namespace {

std::string Ok(const std::string& body) {
    return HttpResponse("HTTP/1.1 200 OK", {"Content-Length: " + std::to_string(body.size())}, body);
}

class FullDiskDownloadTest : public UpdateWindowTest {
  protected:
    std::unique_ptr<FullDisk> disk;
    std::unique_ptr<ScriptedServer> files;
    std::unique_ptr<ScriptedServer> versions;

    void SetUp() override {
        UpdateWindowTest::SetUp();
        std::string why;
        disk = FullDisk::Mount(1 << 20, &why);
        if (!disk) GTEST_SKIP() << why;
        qputenv("QUILLMARK_HOME", QByteArray::fromStdString(disk->path().string()));
        ComputePaths(QCoreApplication::applicationDirPath().toStdString());
        Paths().assetsFolder = assets.path().string() + "/";
        disk->write("QMK.ini", "[Update]\r\nLastCheck=99999999\r\n[Info]\r\nClient=Harbour Bakery\r\n");
    }
    void TearDown() override {
        versions.reset();
        files.reset();
        UpdateWindowTest::TearDown();
        disk.reset();
    }
    // The planner opens first (it writes its own files); then the disk fills up, leaving `room`.
    void checkWithRoom(const std::string& installer, std::size_t room) {
        files = std::make_unique<ScriptedServer>(std::vector<ScriptedReply>{{Ok(installer)}});
        versions = std::make_unique<ScriptedServer>(
            std::vector<ScriptedReply>{{Ok(VersionFile(files->host(), "setup.deb", "3.1.0.0"))}});
        qputenv("QUILLMARK_UPDATE_URL",
                QByteArray::fromStdString("http://" + versions->host() + "/QMKVersion.txt"));
        openPlanner();
        disk->Fill(room);
        before = disk->Snapshot();
        answer(1);
        answer(1);
        chooseCheckForUpdate();
    }
    std::map<std::string, std::string> before;
};

TEST_F(FullDiskDownloadTest, AnInstallerThatDoesNotFitLeavesTheEarlierFileAndRecordsNothing) {
    disk->write("setup.deb", "earlier installer");
    checkWithRoom(Pattern(300000), 0);
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].title, "Download Error");
    EXPECT_EQ(dialogs[1].text2, DownloadErrorText(kDownloadErrorWrite) + " (Error 6){f10}");
    EXPECT_EQ(disk->Snapshot(), before);
    EXPECT_EQ(disk->read("setup.deb"), "earlier installer");
    EXPECT_TRUE(plannerOpen());
}

// The installer fits, but the settings file cannot be replaced: the three keys are written
// together or not at all, and an installer that is not recorded does not stay.
TEST_F(FullDiskDownloadTest, ARecordThatCannotBeWrittenLeavesTheSettingsWholeAndNoInstaller) {
    checkWithRoom("MZ", 4096);
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].title, "Download Error");
    EXPECT_EQ(dialogs[1].text1, "The update was downloaded, but the settings file could not record it.{f10}");
    EXPECT_EQ(disk->Snapshot(), before);
    EXPECT_TRUE(plannerOpen());
}

} // namespace
