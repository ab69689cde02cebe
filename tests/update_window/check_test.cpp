// SPDX-License-Identifier: GPL-3.0-or-later
// The check from the planner's menu and at start-up against a scripted server on 127.0.0.1: the
// dialogs, the download into the data folder with its record, and what a declined offer leaves.
#include "update_window_fixture.h"

#include "tests/update/scripted_server.h"
#include "update/update_address.h"
#include "update/update_dialogs.h"
#include "update/update_run_state.h"
#include "update/update_session.h"
#include "update/update_windows.h"

#include <QWidget>

namespace {

std::string Ok(const std::string& body) {
    return HttpResponse("HTTP/1.1 200 OK", {"Content-Length: " + std::to_string(body.size())}, body);
}

class CheckTest : public UpdateWindowTest {
  protected:
    void useServer(const ScriptedServer& server) {
        qputenv("QUILLMARK_UPDATE_URL",
                QByteArray::fromStdString("http://" + server.host() + "/QMKVersion.txt"));
    }
    void openWithoutAutomaticCheck() {
        noAutomaticCheck();
        openPlanner();
    }
};

TEST_F(CheckTest, TheMenuCheckSaysUpToDateForTheRunningVersion) {
    ScriptedServer server({{Ok("host /a setup.deb\n3.0.0.0")}});
    useServer(server);
    openWithoutAutomaticCheck();
    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "You Are Up To Date!");
    EXPECT_EQ(dialogs[0].text1, "Version 3.0.0.0 of Quillmark is the latest version available.{f10}");
    EXPECT_EQ(dialogs[0].text2, "Thank you for checking!{f6}");
    EXPECT_EQ(dialogs[0].buttons, "&OK{G,f7}");
    EXPECT_TRUE(plannerVisible());
}

TEST_F(CheckTest, WithAutomaticChecksOffTheMenuStillChecks) {
    ScriptedServer server({{Ok("host /a setup.deb\n3.0.0.0")}});
    useServer(server);
    PutIni(Paths().settingsFile, "Options", "AutoUpdate", "0");
    openPlanner();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(server.requests().empty()) << "no check at start-up";
    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "You Are Up To Date!");
    EXPECT_EQ(server.requests().size(), 1U);
}

TEST_F(CheckTest, OnlyAHigherVersionNumberIsOffered) {
    struct Case {
        const char* latest;
        bool offered;
    };
    // Dots are removed before the numbers are compared: 3.1 reads as 31, below 3000.
    const Case cases[] = {
        {"3.0.1.0", true}, {"3.1.0.0", true}, {"3.1", false}, {"2.9.9.9", false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.latest);
        const std::string file = std::string("host /a setup.deb\n") + c.latest;
        ScriptedServer server({{Ok(file)}});
        useServer(server);
        openWithoutAutomaticCheck();
        dialogs.clear();
        answer(c.offered ? 2 : 1); // No, Maybe Later; or OK
        chooseCheckForUpdate();
        ASSERT_EQ(dialogs.size(), 1U);
        EXPECT_EQ(dialogs[0].title, c.offered ? "New Version Available" : "You Are Up To Date!");
        closePlanner();
    }
}

TEST_F(CheckTest, AFileEndingInALineFeedIsNeverNewer) {
    ScriptedServer server({{Ok("host /a setup.deb\n9.9.9.9\n")}});
    useServer(server);
    openWithoutAutomaticCheck();
    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "You Are Up To Date!");
}

TEST_F(CheckTest, YesDownloadsTheInstallerRecordsItAndEndsTheProgram) {
    const std::string installer = Pattern(100000);
    ScriptedServer files({{Ok(installer)}});
    ScriptedServer server({{Ok(VersionFile(files.host(), "QuillmarkSetup.deb", "3.1.0.0"))}});
    useServer(server);
    openWithoutAutomaticCheck();
    answer(1);
    chooseCheckForUpdate();

    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "New Version Available");
    EXPECT_EQ(dialogs[0].text1, "Version 3.1.0.0 of Quillmark is available.{f10}");
    EXPECT_EQ(dialogs[0].text2, "Would you like to download it now?{f6}");
    EXPECT_EQ(dialogs[0].buttons, "*{G,f7}|&Yes|&No, Maybe Later");
    ASSERT_EQ(files.requests().size(), 1U);
    EXPECT_EQ(files.requests()[0].rfind("GET /files/QuillmarkSetup.deb HTTP/1.0\r\n", 0), 0U);

    const std::string localPath = Paths().dataFolder + "QuillmarkSetup.deb";
    EXPECT_EQ(data.read("QuillmarkSetup.deb"), installer);
    EXPECT_EQ(setting("Install"), localPath);
    EXPECT_EQ(setting("NewVer"), "3.1.0.0");
    EXPECT_EQ(setting("Failed"), "1");
    EXPECT_FALSE(TheUpdateSession().declined);
    EXPECT_FALSE(eztest::FormExists(kDownloadForm));
    EXPECT_FALSE(plannerOpen()); // the planner was unloaded, which ends the program
}

TEST_F(CheckTest, TheOfferedVersionIsShownAndStoredAsText) {
    ScriptedServer files({{Ok("MZ")}});
    ScriptedServer server(
        {{Ok(VersionFile(files.host(), "QuillmarkSetup.deb",
                         "3.0.1.0{f4}|Your licence has expired" + std::string(20000, '!')))}});
    useServer(server);
    openWithoutAutomaticCheck();
    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    const std::string shown = "3.0.1.0(f4)/Your licence has expired!...";
    EXPECT_EQ(dialogs[0].text1, "Version " + shown + " of Quillmark is available.{f10}");
    EXPECT_EQ(setting("NewVer"), shown);
}

TEST_F(CheckTest, NoMaybeLaterDownloadsNothingAndSetsTheDeclinedFlag) {
    ScriptedServer files({{Ok("installer")}});
    ScriptedServer server({{Ok(VersionFile(files.host(), "QuillmarkSetup.deb", "3.1.0.0"))}});
    useServer(server);
    openWithoutAutomaticCheck();
    const std::vector<std::string> before = dataFiles();
    answer(2);
    chooseCheckForUpdate();
    EXPECT_TRUE(TheUpdateSession().declined);
    EXPECT_TRUE(files.requests().empty());
    EXPECT_EQ(dataFiles(), before);
    EXPECT_EQ(setting("Install"), "<missing>");
    EXPECT_EQ(setting("Failed"), "<missing>");
    EXPECT_TRUE(plannerVisible());
}

TEST_F(CheckTest, AStartUpCheckOffersANewerVersionAndTheNextCheckClearsTheDeclinedFlag) {
    const std::string newer = Ok("host /a setup.deb\n3.1.0.0");
    ScriptedServer server({{newer}, {Ok("host /a setup.deb\n3.0.0.0")}});
    useServer(server);
    answer(2);
    openPlanner(); // the first start: the check is due
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "New Version Available");
    EXPECT_TRUE(TheUpdateSession().declined);

    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].title, "You Are Up To Date!");
    EXPECT_FALSE(TheUpdateSession().declined);
}

TEST_F(CheckTest, AFailedFetchIsToldOnAManualCheckOnlyAndOffersTheProductPage) {
    qputenv("QUILLMARK_UPDATE_URL",
            QByteArray::fromStdString("http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) +
                                      "/QMKVersion.txt"));
    openPlanner(); // the start-up check fails silently
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(plannerVisible());

    answer(2);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "Unable to Complete Update Check");
    EXPECT_EQ(dialogs[0].text1,
              "Network connection error (Error 1) has occurred accessing Windows services.{f10}");
    EXPECT_NE(
        dialogs[0].text2.find("|You can visit our web site to download the latest version of Quillmark.{f6}"),
        std::string::npos);
    EXPECT_EQ(dialogs[0].buttons, "*{G,f7}|&Visit Web Site|&No, Thanks, I'm Good");
    EXPECT_TRUE(urls.opened.empty());

    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 2U);
    ASSERT_EQ(urls.opened.size(), 1U);
    EXPECT_EQ(urls.opened[0], std::string(kProductPageAddress));
}

TEST_F(CheckTest, WithoutAProductPageAFailedFetchIsToldAsANoticeOnly) {
    openWithoutAutomaticCheck();
    VersionFetch fetch;
    fetch.failed = true;
    fetch.errorNumber = 3;
    fetch.errorText = "Host not found";
    answer(1);
    TellCheckFailed(fetch, "");
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "Unable to Complete Update Check");
    EXPECT_EQ(dialogs[0].text1,
              "Network connection error (Error 3) has occurred accessing Windows services.{f10}");
    EXPECT_EQ(dialogs[0].text2,
              "Host not found|Unable to determine if a program update is available at this time.{f6}");
    EXPECT_EQ(dialogs[0].buttons.find("Visit Web Site"), std::string::npos) << dialogs[0].buttons;
    EXPECT_TRUE(urls.opened.empty());
}

TEST_F(CheckTest, AnErrorStatusOfTheVersionFileIsReadAsItsText) {
    // The status is not looked at: a page without a newer last line offers nothing.
    ScriptedServer server({{HttpResponse("HTTP/1.1 404 Not Found", {"Content-Length: 9"}, "Not Found")}});
    useServer(server);
    openWithoutAutomaticCheck();
    answer(1);
    chooseCheckForUpdate();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "You Are Up To Date!");
}

// While the start-up check waits for the version file, the planner keeps handling its events and
// repainting, and a check asked for from the menu meanwhile does not start a second one.
TEST_F(CheckTest, TheStartUpCheckNeverFreezesTheWindow) {
    ScriptedServer server({{"", false, true}, {Ok("host /a setup.deb\n3.1.0.0")}});
    useServer(server);
    int paints = 0;
    bool startUpCheckStillWaiting = false;
    struct PaintCounter : QObject {
        int* paints;
        explicit PaintCounter(int* p) : paints(p) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++*paints;
            return false;
        }
    };
    PaintCounter counter(&paints);
    // Acts once the start-up check's request has reached the server (the check now waits on the
    // silent server), then watches for a repaint while it still waits.
    int paintsWhileWaiting = -1;
    bool asked = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!asked) {
            if (server.requests().empty()) return;
            QWidget* window = eztest::Window(qm::kForm);
            ASSERT_NE(window, nullptr);
            paints = 0;
            window->installEventFilter(&counter);
            window->update();
            chooseCheckForUpdate();
            // Returned at once, with the start-up check still waiting: no second check ran meanwhile.
            startUpCheckStillWaiting = UpdateWindows().checkRunning;
            asked = true;
            return;
        }
        if (paints > 0 && UpdateWindows().checkRunning) {
            paintsWhileWaiting = paints;
            watch.stop();
        }
    });
    watch.start(20);

    openPlanner(); // the silent server keeps the check waiting until its limit
    EXPECT_TRUE(startUpCheckStillWaiting);
    EXPECT_GT(paintsWhileWaiting, 0);
    EXPECT_EQ(server.requests().size(), 1U); // the menu's check did not fetch a second time
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(plannerVisible());
}

} // namespace
