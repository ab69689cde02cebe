// SPDX-License-Identifier: GPL-3.0-or-later
// The start after an update: the congratulation or the failure notice, each shown once, the update
// information window, and the clean-up of the installer and the updater program.
#include "update_window_fixture.h"

#include "tests/update/scripted_server.h"
#include "update/update_address.h"
#include "update/update_run_state.h"
#include "update/update_session.h"
#include "update/update_windows.h"

#include <QTextBrowser>
#include <filesystem>

namespace {

class PostUpdateTest : public UpdateWindowTest {
  protected:
    std::string installerPath;

    void SetUp() override {
        UpdateWindowTest::SetUp();
        noAutomaticCheck();
        installerPath = data.write("QuillmarkSetup.deb", "MZ installer");
        data.write("kelvup.exe", "MZ updater");
    }
    // What the download of the previous run left.
    void afterADownload(const std::string& newVersion = "3.1.0.0") {
        setting("Install", installerPath);
        setting("NewVer", newVersion);
        setting("Failed", "1");
    }
    void startWith(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "quillmark");
        SetProgramArgumentsForTesting(arguments);
        openPlanner();
    }
    void restart(std::vector<std::string> arguments = {}) {
        endRun();
        startWith(std::move(arguments));
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(data.path() / name); }
};

const char* const kCongratulation = "Congratulations! Quillmark has been updated to version 3.1.0.0!{f10}";

TEST_F(PostUpdateTest, ANormalStartShowsNothingAndRemovesTheUpdaterProgram) {
    setting("Failed", "0");
    startWith({});
    EXPECT_TRUE(dialogs.empty());
    EXPECT_FALSE(exists("kelvup.exe"));
    EXPECT_TRUE(exists("QuillmarkSetup.deb")); // "Install" does not name it
    EXPECT_FALSE(strayDialog);
}

TEST_F(PostUpdateTest, TheUpdaterTellsTheInstalledVersionEitherWay) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string newVer;                    // "NewVer" left by the download
        std::optional<std::string> updaterIni; // "NewVersion" in Updater.ini, when the file exists
        std::string newVerAfter;
    };
    const Case cases[] = {
        {"restarted with /update", {"/update"}, "3.1.0.0", std::nullopt, ""},
        {"/update, version in Updater.ini", {"/update"}, "", "3.1.0.0", ""},
        {"Updater.ini only", {}, "3.1.0.0", "3.1.0.0", "3.1.0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        installerPath = data.write("QuillmarkSetup.deb", "MZ installer");
        data.write("kelvup.exe", "MZ updater");
        afterADownload(c.newVer);
        if (c.updaterIni) PutIni(data.file("Updater.ini"), "Program", "NewVersion", *c.updaterIni);
        dialogs.clear();
        answer(2); // Don't Care
        startWith(c.arguments);

        ASSERT_EQ(dialogs.size(), 1U);
        EXPECT_EQ(dialogs[0].title, "Update Process Complete");
        EXPECT_EQ(dialogs[0].text1, kCongratulation);
        EXPECT_EQ(dialogs[0].text2, "");
        EXPECT_EQ(dialogs[0].buttons, "*{G,f7}|&See What's New|&Don't Care");
        EXPECT_EQ(setting("NewVer"), c.newVerAfter);
        EXPECT_EQ(setting("Failed"), "0");
        if (c.updaterIni) {
            EXPECT_EQ(GETINI(data.file("Updater.ini"), "Program", "NewVersion", "<missing>"), "");
        }
        EXPECT_FALSE(exists("QuillmarkSetup.deb"));
        EXPECT_EQ(setting("Install"), "");
        EXPECT_FALSE(exists("kelvup.exe"));

        restart(); // reported once
        EXPECT_EQ(dialogs.size(), 1U);
        endRun();
        std::filesystem::remove(data.path() / "Updater.ini");
    }
}

TEST_F(PostUpdateTest, SeeWhatsNewOpensTheProgramHistory) {
    const std::string rtf = "{\\rtf1\\ansi Version 3.1.0.0: faster printing}";
    assets.write("History.rtf", rtf);
    EzSetRichTextReader(
        [](const std::string& text) { return "<p>read " + std::to_string(text.size()) + " bytes</p>"; });
    afterADownload();
    answer(1);
    std::string caption, history;
    bool closeHasFocus = false;
    eztest::OnModal(kWhatsNewForm, [&] {
        caption = EZ_GETTEXT(kWhatsNewForm, 0);
        history = EZ_GETTEXT(kWhatsNewForm, kWhatsNewHistory);
        closeHasFocus = EZ_GETFOCUSID() == kWhatsNewClose;
        eztest::Click(kWhatsNewForm, kWhatsNewClose);
    });
    startWith({"/update"});
    EXPECT_EQ(caption, "Update Information");
    EXPECT_EQ(history, "read " + std::to_string(rtf.size()) + " bytes"); // through the rich-text reader
    EXPECT_TRUE(closeHasFocus);
    EXPECT_FALSE(eztest::FormExists(kWhatsNewForm));
    EXPECT_FALSE(exists("QuillmarkSetup.deb")); // the clean-up follows the window
}

TEST_F(PostUpdateTest, WithoutAHistoryFileTheWindowSaysSo) {
    afterADownload();
    answer(1);
    std::string history;
    eztest::OnModal(kWhatsNewForm, [&] {
        history = EZ_GETTEXT(kWhatsNewForm, kWhatsNewHistory);
        eztest::Key(kWhatsNewForm, kWhatsNewClose, Qt::Key_Escape);
    });
    startWith({"/update"});
    EXPECT_EQ(history, "The program history is not available.");
    EXPECT_FALSE(eztest::FormExists(kWhatsNewForm));
}

TEST_F(PostUpdateTest, AnUpdateThatDidNotReportSuccessIsToldOnce) {
    afterADownload();
    answer(2); // Continue Without Updating
    startWith({});
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "Update Process Failed");
    EXPECT_EQ(dialogs[0].text1, "The program update failed to install correctly.{f10}");
    EXPECT_EQ(dialogs[0].text2, "This failure could be due to system settings or your anti-virus program.|"
                                "The update can be downloaded directly from our web site.{f6}");
    EXPECT_EQ(dialogs[0].buttons, "*{G,f7}|&Go To Website|&Continue Without Updating");
    EXPECT_EQ(setting("Failed"), "0");
    EXPECT_FALSE(exists("QuillmarkSetup.deb"));
    EXPECT_FALSE(exists("kelvup.exe"));
    EXPECT_TRUE(urls.opened.empty());

    restart();
    EXPECT_EQ(dialogs.size(), 1U);
}

TEST_F(PostUpdateTest, GoToWebsiteLeavesTheFilesForTheNextStart) {
    afterADownload();
    answer(1);
    startWith({});
    ASSERT_EQ(dialogs.size(), 1U);
    ASSERT_EQ(urls.opened.size(), 1U);
    EXPECT_EQ(urls.opened[0], std::string(kProductPageAddress));
    EXPECT_EQ(setting("Failed"), "0");
    EXPECT_TRUE(exists("QuillmarkSetup.deb"));
    EXPECT_TRUE(exists("kelvup.exe"));
    EXPECT_EQ(setting("Install"), installerPath);

    restart();
    EXPECT_EQ(dialogs.size(), 1U);
    EXPECT_FALSE(exists("QuillmarkSetup.deb"));
    EXPECT_FALSE(exists("kelvup.exe"));
    EXPECT_EQ(setting("Install"), "");
}

TEST_F(PostUpdateTest, TheArgumentInCapitalsIsNotRecognised) {
    afterADownload();
    answer(2);
    startWith({"/UPDATE"});
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "Update Process Failed");
    EXPECT_EQ(setting("NewVer"), "3.1.0.0");
}

TEST_F(PostUpdateTest, APendingFailureWaitsWhileTheUserDeclinesANewerVersion) {
    ScriptedServer server({{HttpResponse("HTTP/1.1 200 OK", {}, "host /a setup.deb\n3.2.0.0")}});
    qputenv("QUILLMARK_UPDATE_URL", QByteArray::fromStdString("http://" + server.host() + "/QMKVersion.txt"));
    afterADownload();
    setting("LastCheck", "0"); // the automatic check is due
    answer(2);                 // No, Maybe Later
    startWith({});
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].title, "New Version Available");
    EXPECT_EQ(setting("Failed"), "1");
    EXPECT_FALSE(exists("QuillmarkSetup.deb")); // the clean-up runs all the same

    answer(2);
    restart(); // not due again: the failure is told now
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].title, "Update Process Failed");
    EXPECT_EQ(setting("Failed"), "0");
}

TEST_F(PostUpdateTest, OnlyAnInstallerInsideTheDataFolderIsDeleted) {
    // "Install" in a settings file copied or edited by hand may name any file.
    std::filesystem::remove(data.path() / "kelvup.exe");
    TempFolder elsewhere;
    const std::string outside = elsewhere.write("thesis.doc", "years of work");
    const std::string throughParent =
        Paths().dataFolder + std::filesystem::path(outside).lexically_relative(data.path()).string();
    for (const std::string& install : {outside, throughParent}) {
        SCOPED_TRACE(install);
        setting("Install", install);
        startWith({});
        EXPECT_EQ(elsewhere.read("thesis.doc"), "years of work");
        EXPECT_EQ(setting("Install"), install);
        endRun();
    }
    EXPECT_TRUE(dialogs.empty());
}

} // namespace

namespace {

// "Install" in a settings file copied or edited by hand names files that are not the program's
// installer: the clean-up leaves every one of them, and the key, alone.
TEST_F(PostUpdateTest, TheCleanUpDeletesOnlyAnInstallerOfOurOwn) {
    std::filesystem::remove(data.path() / "kelvup.exe");
    TempFolder elsewhere;
    const std::string outside = elsewhere.write("notes.deb", "the user's notes");
    data.write("Categories.dat", "profiles");
    std::filesystem::create_symlink(outside, data.path() / "link.deb");
    const std::string folder = data.path().string() + "/";
    const std::vector<std::string> named = {
        folder + "QMK.ini",
        folder + "Categories.dat",
        folder + "link.deb",
        outside,
        folder + "../" + data.path().filename().string() + "/Categories.dat",
        "QuillmarkSetup.deb",
    };
    for (const std::string& install : named) {
        SCOPED_TRACE(install);
        const std::vector<std::string> before = dataFiles();
        setting("Install", install);
        setting("Failed", "0");
        startWith({});
        EXPECT_TRUE(dialogs.empty());
        EXPECT_EQ(setting("Install"), install);
        std::vector<std::string> after = dataFiles();
        EXPECT_EQ(after, before);
        EXPECT_EQ(data.read("Categories.dat"), "profiles");
        EXPECT_EQ(elsewhere.read("notes.deb"), "the user's notes");
        endRun();
    }
}

// A version text or installed version never acts as the dialog's markup, and is cut to a length
// that fits the dialog.
TEST_F(PostUpdateTest, TheInstalledVersionIsShownAsText) {
    afterADownload("3.1.0.0{f4}|Your licence has expired" + std::string(5000, '!'));
    answer(2);
    startWith({"/update"});
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].text1, "Congratulations! Quillmark has been updated to version 3.1.0.0(f4)/Your "
                                "licence has expired!...!{f10}");
}

} // namespace
