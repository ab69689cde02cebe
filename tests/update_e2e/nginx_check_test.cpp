// SPDX-License-Identifier: GPL-3.0-or-later
// The update check of the real planner against Debian's nginx on 127.0.0.1, with the version file
// address and today's date given through the environment as an end-to-end run gives them.
#include "nginx_server.h"
#include "tests/update_window/update_window_fixture.h"

#include "dates/dates.h"
#include "update/update_windows.h"

namespace {

const std::string kVersionPath = "/QMKVersion.txt";
const std::string kInstallerPath = "/files/QuillmarkSetup.deb";

class NginxCheckTest : public UpdateWindowTest {
  protected:
    NginxServer nginx;

    void SetUp() override {
        UpdateWindowTest::SetUp();
        ASSERT_EQ(nginx.failure(), "");
        qputenv("QUILLMARK_UPDATE_URL", QByteArray::fromStdString(nginx.address(kVersionPath)));
        qputenv("QUILLMARK_TODAY", "2025-03-10");
    }
    void TearDown() override {
        qunsetenv("QUILLMARK_TODAY");
        UpdateWindowTest::TearDown();
    }
    void publish(const std::string& latest, const std::string& installer = "") {
        nginx.serve(kVersionPath.substr(1),
                    nginx.host() + " " + kInstallerPath + " QuillmarkSetup.deb\n" + latest);
        if (!installer.empty()) nginx.serve(kInstallerPath.substr(1), installer);
    }
};

TEST_F(NginxCheckTest, YesDownloadsTheInstallerByteForByteRecordsItAndEndsTheProgram) {
    const std::string installer = Pattern(300000); // several blocks
    publish("3.1.0.0", installer);
    noAutomaticCheck();
    openPlanner();
    answer(1);
    chooseCheckForUpdate();

    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "New Version Available");
    EXPECT_EQ(dialogs[0].text1, "Version 3.1.0.0 of Quillmark is available.{f10}");
    EXPECT_EQ(nginx.requestsFor(kInstallerPath), 1);
    EXPECT_TRUE(data.read("QuillmarkSetup.deb") == installer) << "the stored installer differs";
    EXPECT_EQ(setting("Install"), Paths().dataFolder + "QuillmarkSetup.deb");
    EXPECT_EQ(setting("NewVer"), "3.1.0.0");
    EXPECT_EQ(setting("Failed"), "1");
    EXPECT_FALSE(eztest::FormExists(kDownloadForm));
    EXPECT_FALSE(plannerOpen());
}

TEST_F(NginxCheckTest, NoMaybeLaterDownloadsNothing) {
    publish("3.1.0.0", Pattern(1000));
    noAutomaticCheck();
    openPlanner();
    answer(2);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "New Version Available");
    EXPECT_EQ(nginx.requestsFor(kVersionPath), 1);
    EXPECT_EQ(nginx.requestsFor(kInstallerPath), 0);
    EXPECT_EQ(data.read("QuillmarkSetup.deb"), "");
    EXPECT_EQ(setting("Install"), "<missing>");
    EXPECT_TRUE(plannerVisible());
}

TEST_F(NginxCheckTest, TheRunningVersionIsUpToDateOnTheMenuAndSilentAtStartUp) {
    publish("3.0.0.0");
    openPlanner(); // the first start: the check is due
    EXPECT_EQ(nginx.requestsFor(kVersionPath), 1);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(setting("LastCheck"), std::to_string(JulianFromDate(3, 10, 2025) + 10));

    answer(1);
    chooseCheckForUpdate();
    EXPECT_EQ(nginx.requestsFor(kVersionPath), 2);
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "You Are Up To Date!");
    EXPECT_TRUE(plannerVisible());
    EXPECT_FALSE(strayDialog);
}

} // namespace
