// SPDX-License-Identifier: GPL-3.0-or-later
// The download window and what the check does when a download does not complete: the planner,
// hidden while "ZD" shows the download, is shown again; nothing is recorded and no file is left.
#include "update_window_fixture.h"

#include "tests/update/scripted_server.h"
#include "update/form_again.h"
#include "update/update_session.h"
#include "update/update_windows.h"
#include "update/window_download.h"

#include <QProgressBar>
#include <QWidget>
#include <limits>

namespace {

std::string Ok(const std::string& body) {
    return HttpResponse("HTTP/1.1 200 OK", {"Content-Length: " + std::to_string(body.size())}, body);
}

class DownloadWindowTest : public UpdateWindowTest {
  protected:
    std::unique_ptr<ScriptedServer> files;
    std::unique_ptr<ScriptedServer> versions;

    // Serves a version file offering 3.1.0.0 under `fileName`, and `reply` for the installer.
    void serve(const std::string& fileName, ScriptedReply reply) {
        files = std::make_unique<ScriptedServer>(std::vector<ScriptedReply>{std::move(reply)});
        versions = std::make_unique<ScriptedServer>(
            std::vector<ScriptedReply>{{Ok(VersionFile(files->host(), fileName, "3.1.0.0"))}});
        qputenv("QUILLMARK_UPDATE_URL",
                QByteArray::fromStdString("http://" + versions->host() + "/QMKVersion.txt"));
        noAutomaticCheck();
        openPlanner();
    }
    // Says Yes to the offer and answers the notice that follows with OK, checking meanwhile that
    // the download window stands in for the hidden planner.
    void acceptAndAnswerTheNotice() {
        answer(1);
        eztest::OnModal(kMessageDialogForm, [this] {
            const MessageDialogState& shown = MessageDialog();
            dialogs.push_back({shown.title, shown.text1, shown.text2, shown.buttons});
            downloadWindowShown = eztest::FormExists(kDownloadForm);
            plannerHiddenMeanwhile = !plannerVisible() && plannerOpen();
            eztest::Click(kMessageDialogForm, ButtonId(1));
        });
        chooseCheckForUpdate();
    }
    void expectNothingRecordedAndThePlannerBack() {
        EXPECT_EQ(setting("Install"), "<missing>");
        EXPECT_EQ(setting("NewVer"), "<missing>");
        EXPECT_EQ(setting("Failed"), "<missing>");
        EXPECT_FALSE(eztest::FormExists(kDownloadForm));
        EXPECT_TRUE(plannerOpen());
        EXPECT_TRUE(plannerVisible());
    }
    bool downloadWindowShown = false;
    bool plannerHiddenMeanwhile = false;
};

TEST_F(DownloadWindowTest, ARedirectIsToldNotFollowedAndThePlannerComesBack) {
    serve("setup.deb", {HttpResponse("HTTP/1.1 302 Found", {"Location: http://elsewhere/setup.deb"}, "")});
    acceptAndAnswerTheNotice();
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].title, "Download Error");
    EXPECT_EQ(dialogs[1].text1, "Unable to access update file, response = 302.{f10}");
    EXPECT_TRUE(downloadWindowShown);
    EXPECT_TRUE(plannerHiddenMeanwhile);
    EXPECT_EQ(files->requests().size(), 1U);
    EXPECT_EQ(data.read("setup.deb"), "");
    expectNothingRecordedAndThePlannerBack();
}

TEST_F(DownloadWindowTest, ABodyCutShortIsAbandonedAndItsFileRemoved) {
    const std::string body = Pattern(50000);
    serve("setup.deb", {HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 90000"}, body)});
    acceptAndAnswerTheNotice();
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].title, "Download Error");
    EXPECT_EQ(dialogs[1].text1, "The file request has generated an error:{f6}");
    EXPECT_EQ(dialogs[1].text2, "The connection closed before the file was complete (Error 4){f10}");
    EXPECT_TRUE(downloadWindowShown);
    for (const std::string& name : dataFiles())
        EXPECT_EQ(name.find("setup"), std::string::npos) << name;
    expectNothingRecordedAndThePlannerBack();
}

TEST_F(DownloadWindowTest, AnInstallerNameThatIsNoPlainFileNameOrOneOfTheProgramsFilesIsRefused) {
    const std::vector<std::string> names = {"../setup.deb", "sub/setup.deb", "sub\\setup.deb", "C:setup.deb",
                                            "setup.deb\r",  "QMK.ini",       "categories.DAT", "Updater.ini",
                                            "quillmark",    "History.rtf",   "Help",           "setup.exe"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        data.write("QMK.ini", "[Update]\r\nLastCheck=99999999\r\n");
        data.write("Categories.dat", "profiles");
        data.write("Updater.ini", "[Program]\r\n");
        const std::vector<std::string> before = dataFiles();
        serve(name, {Ok("MZ installer")});
        dialogs.clear();
        answer(1);
        answer(1);
        chooseCheckForUpdate();
        ASSERT_EQ(dialogs.size(), 2U);
        EXPECT_EQ(dialogs[1].title, "Download Error");
        EXPECT_EQ(dialogs[1].text2,
                  "The update names a file that is not an installer of this program (Error 7){f10}");
        EXPECT_TRUE(files->requests().empty());
        EXPECT_EQ(dataFiles(), before);
        EXPECT_EQ(data.read("Categories.dat"), "profiles");
        EXPECT_EQ(setting("Install"), "<missing>");
        EXPECT_TRUE(plannerVisible());
        closePlanner();
    }
    EXPECT_FALSE(std::filesystem::exists(data.path().parent_path() / "setup.deb"));
}

// Cancel, the window's close box and Escape all ask the download to stop after its current block;
// the window stays until it has stopped, no notice is shown and nothing is kept.
TEST_F(DownloadWindowTest, CancellingStopsTheDownloadAfterTheCurrentBlock) {
    struct Way {
        const char* name;
        std::function<void()> cancel;
    };
    const Way ways[] = {
        {"Cancel button", [] { eztest::Click(kDownloadForm, kDownloadCancel); }},
        {"close box", [] { eztest::CloseBox(kDownloadForm); }},
        {"Escape", [] { eztest::Key(kDownloadForm, kDownloadCancel, Qt::Key_Escape); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        serve("setup.deb", {Ok(Pattern(2'000'000))});
        bool cancelled = false;
        bool windowStayedOpen = false;
        int32_t barAtCancel = -1;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (cancelled || !eztest::FormExists(kDownloadForm)) return;
            auto* bar = qobject_cast<QProgressBar*>(eztest::Widget(kDownloadForm, kDownloadProgress));
            if (!bar || bar->value() <= 0) return;
            barAtCancel = bar->value();
            cancelled = true;
            way.cancel();
            windowStayedOpen = eztest::FormExists(kDownloadForm);
        });
        watcher.start(0);
        dialogs.clear();
        answer(1);
        chooseCheckForUpdate();
        watcher.stop();

        EXPECT_TRUE(cancelled);
        EXPECT_TRUE(windowStayedOpen);
        EXPECT_GT(barAtCancel, 0);
        EXPECT_LT(barAtCancel, 2'000'000);
        EXPECT_EQ(dialogs.size(), 1U); // the offer only: a cancel is not an error
        for (const std::string& name : dataFiles())
            EXPECT_EQ(name.find("setup"), std::string::npos) << name;
        expectNothingRecordedAndThePlannerBack();
        closePlanner();
        TheUpdateSession().kept = KeptConnection{};
    }
}

TEST(FitProgressBar, LargeFilesAreShownInProportionWithinThirtyTwoBits) {
    constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();
    struct Case {
        int64_t maximum, value;
        int32_t barMaximum, barValue;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, // unknown length: a busy bar
        {100, 40, 100, 40},
        {kMax32, kMax32, static_cast<int32_t>(kMax32), static_cast<int32_t>(kMax32)},
        {kMax32 + 1, kMax32 + 1, static_cast<int32_t>((kMax32 + 1) / 2),
         static_cast<int32_t>((kMax32 + 1) / 2)},
        {4 * kMax32, 2 * kMax32, static_cast<int32_t>(kMax32), static_cast<int32_t>(kMax32 / 2)},
        {100, 150, 100, 100}, // never beyond the end
        {100, -5, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.maximum) + "/" + std::to_string(c.value));
        const ProgressBarSetting bar = FitProgressBar(c.maximum, c.value);
        EXPECT_EQ(bar.maximum, c.barMaximum);
        EXPECT_EQ(bar.value, c.barValue);
        EXPECT_LE(bar.value, bar.maximum);
    }
}

} // namespace

namespace {

// The planner, shown again by a second start while the download runs, is closed: the download
// stops, the partial file goes, nothing is recorded and the program ends.
TEST_F(DownloadWindowTest, ClosingThePlannerDuringADownloadStopsItAndRecordsNothing) {
    data.write("setup.deb", "earlier installer");
    serve("setup.deb", {HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 2000"}, Pattern(2000)), false,
                        false, false, 20});
    bool closed = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (closed || !eztest::FormExists(kDownloadForm) || files->requests().empty()) return;
        closed = true;
        ShowFormAgain(qm::kForm);
        eztest::CloseBox(qm::kForm);
    });
    watcher.start(10);
    dialogs.clear();
    answer(1);
    chooseCheckForUpdate();
    watcher.stop();

    EXPECT_TRUE(closed);
    EXPECT_EQ(dialogs.size(), 1U); // the offer only
    EXPECT_FALSE(plannerOpen());
    EXPECT_EQ(data.read("setup.deb"), "earlier installer");
    for (const std::string& name : dataFiles())
        EXPECT_TRUE(name == "setup.deb" || name == "QMK.ini" || name == "Categories.dat") << name;
    EXPECT_EQ(setting("Install"), "<missing>");
    EXPECT_EQ(setting("NewVer"), "<missing>");
    EXPECT_EQ(setting("Failed"), "<missing>");
}

} // namespace
