// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog "AB" on real widgets: the two pages and the button between them, its texts,
// the history from History.rtf, and closing.
#include "app/about/about.h"
#include "app/about/about_ids.h"
#include "app/rtf/rtf_reader.h"
#include "app/rtf/rtf_to_html.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "plan/profile_store.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>

namespace {

const std::string kFixture = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n"
                             "{\\b Version 3.0.0.0}\\par\n"
                             "Faster printing of the proposal\\par\n"
                             "The euro sign \\'80 in money texts\\par\n"
                             "}";

bool shown(int32_t id) {
    const QWidget* widget = eztest::Widget(kAboutForm, id);
    return widget && widget->isVisibleTo(eztest::Window(kAboutForm));
}

// Which page the dialog shows, from what is visible.
int32_t pageShown() {
    const bool info = shown(kAboutProgramName) && shown(kAboutVersionLine) && shown(kAboutCopyright) &&
                      shown(kAboutFreeNote) && shown(kAboutThanks);
    const bool anyInfo = shown(kAboutProgramName) || shown(kAboutVersionLine) || shown(kAboutCopyright) ||
                         shown(kAboutFreeNote) || shown(kAboutThanks);
    const bool history = shown(kAboutHistoryView);
    if (info && !history) return kAboutInfoPage;
    if (history && !anyInfo) return kAboutHistoryPage;
    return 0; // a mixture: neither page as it should be
}

std::string text(int32_t id) {
    return EZ_GETTEXT(kAboutForm, id);
}

class AboutTest : public ::testing::Test {
  protected:
    TempFolder assets;

    void SetUp() override {
        eztest::Install(
            [](const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
                if (form == kAboutForm) AboutEvents(id, message, value, cancel);
            },
            [](const std::string& form) {
                if (form == kAboutForm) DesignAbout();
            });
        EzSetRichTextReader([](const std::string& rtf) { return RtfToHtml(rtf).toUtf8().toStdString(); });
        SetAboutSources(assets.path().string() + "/", "3.0.0.0");
    }
    void TearDown() override { eztest::Reset(); }

    // Opens the dialog and runs the script while it is up; the dialog is closed afterwards with
    // its Close button unless the script closed it.
    void withAbout(const std::function<void()>& script) {
        bool ran = false;
        eztest::OnModal(kAboutForm, [&] {
            ran = true;
            script();
            if (eztest::FormExists(kAboutForm)) eztest::Click(kAboutForm, kAboutCloseButton);
        });
        ShowAbout("");
        ASSERT_TRUE(ran);
        ASSERT_FALSE(eztest::FormExists(kAboutForm));
    }
};

TEST_F(AboutTest, OpensOnTheInformationPageWithItsTexts) {
    withAbout([] {
        EXPECT_EQ(pageShown(), kAboutInfoPage);
        EXPECT_TRUE(shown(kAboutCloseButton) && shown(kAboutPageButton) && shown(kAboutFrame));
        EXPECT_EQ(text(kAboutPageButton), "&View Program History");
        EXPECT_EQ(text(0), "About Quillmark\x99");
        EXPECT_EQ(text(kAboutProgramName), "Quillmark\x99");
        EXPECT_TRUE(std::regex_match(
            text(kAboutVersionLine),
            std::regex("Version 3\\.0\\.0\\.0 \x97 Released [01][0-9]-[0-3][0-9]-20[0-9][0-9]")))
            << text(kAboutVersionLine);
        EXPECT_EQ(text(kAboutCopyright), "Copyright \xA9 2018\x96"
                                         "2026 Quillmark Software|All rights reserved.");
        const std::string note = text(kAboutFreeNote);
        EXPECT_EQ(std::count(note.begin(), note.end(), '|'), 1) << note;
        EXPECT_TRUE(note.ends_with("|Visit our web site for other helpful programs.")) << note;
        const std::string thanks = text(kAboutThanks);
        EXPECT_EQ(std::count(thanks.begin(), thanks.end(), '|'), 2) << thanks; // three lines
        EXPECT_TRUE(thanks.ends_with("of Quillmark\x99.")) << thanks;
    });
}

TEST_F(AboutTest, ThePageButtonSwitchesPagesAndNamesTheOtherOne) {
    withAbout([] {
        eztest::Click(kAboutForm, kAboutPageButton);
        EXPECT_EQ(pageShown(), kAboutHistoryPage);
        EXPECT_EQ(text(kAboutPageButton), "&View Program Info");
        EXPECT_TRUE(shown(kAboutCloseButton) && shown(kAboutFrame));
        eztest::Click(kAboutForm, kAboutPageButton);
        EXPECT_EQ(pageShown(), kAboutInfoPage);
        EXPECT_EQ(text(kAboutPageButton), "&View Program History");
        eztest::Click(kAboutForm, kAboutPageButton);
        EXPECT_EQ(pageShown(), kAboutHistoryPage);
    });
}

TEST_F(AboutTest, ClosingOnTheHistoryPageAndOpeningAgainStartsOnTheInformationPage) {
    withAbout([] {
        eztest::Click(kAboutForm, kAboutPageButton);
        ASSERT_EQ(pageShown(), kAboutHistoryPage);
        eztest::Click(kAboutForm, kAboutCloseButton);
        EXPECT_FALSE(eztest::FormExists(kAboutForm));
    });
    withAbout([] {
        EXPECT_EQ(pageShown(), kAboutInfoPage);
        EXPECT_EQ(text(kAboutPageButton), "&View Program History");
        eztest::Click(kAboutForm, kAboutPageButton); // the first press still leads to the history
        EXPECT_EQ(pageShown(), kAboutHistoryPage);
    });
}

TEST_F(AboutTest, TheHistoryPageShowsTheTextOfHistoryRtf) {
    assets.write("History.rtf", kFixture);
    withAbout([] {
        const std::string history = text(kAboutHistoryView);
        EXPECT_NE(history.find("Version 3.0.0.0"), std::string::npos) << history;
        EXPECT_NE(history.find("Faster printing of the proposal"), std::string::npos) << history;
        EXPECT_NE(history.find("The euro sign \x80 in money texts"), std::string::npos) << history;
        EXPECT_EQ(history.find("\\par"), std::string::npos) << history; // read as rich text, not shown raw
    });
}

TEST_F(AboutTest, TheProgramsOwnHistoryNamesThisVersion) {
    SetAboutSources(qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/assets/", "3.0.0.0");
    withAbout([] {
        const std::string history = text(kAboutHistoryView);
        EXPECT_NE(history.find("Version 3.0.0.0"), std::string::npos) << history;
        EXPECT_EQ(history.find("\\rtf"), std::string::npos);
    });
}

TEST_F(AboutTest, AHistoryLargerThanAnyViewLimitIsShownWhole) {
    std::string rtf = "{\\rtf1\\ansi ";
    while (rtf.size() < 200 * 1024)
        rtf += "Release notes of an older version, kept for the record.\\par\n";
    rtf += "The last line of the history\\par}";
    assets.write("History.rtf", rtf);
    withAbout([] {
        const std::string history = text(kAboutHistoryView);
        EXPECT_GT(history.size(), 150U * 1024);
        EXPECT_NE(history.find("The last line of the history"), std::string::npos);
    });
}

TEST_F(AboutTest, AMissingOrBrokenHistoryLeavesThePageEmpty) {
    const struct {
        const char* name;
        std::function<void(const TempFolder&)> make;
    } cases[] = {
        {"no file", [](const TempFolder&) {}},
        {"an empty file", [](const TempFolder& f) { f.write("History.rtf", ""); }},
        {"not rich text",
         [](const TempFolder& f) { f.write("History.rtf", "Version 3.0.0.0\nplain notes\n"); }},
        {"a folder of that name",
         [](const TempFolder& f) { std::filesystem::create_directory(f.path() / "History.rtf"); }},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        c.make(folder);
        SetAboutSources(folder.path().string() + "/", "3.0.0.0");
        withAbout([&] {
            EXPECT_EQ(text(kAboutHistoryView), "") << c.name;
            eztest::Click(kAboutForm, kAboutPageButton); // the empty page still opens and closes
            EXPECT_EQ(pageShown(), kAboutHistoryPage) << c.name;
        });
    }
}

TEST_F(AboutTest, TheHistoryIsReadAgainAtEachOpening) {
    assets.write("History.rtf", "{\\rtf1 First history\\par}");
    withAbout([] { EXPECT_NE(text(kAboutHistoryView).find("First history"), std::string::npos); });
    assets.write("History.rtf", "{\\rtf1 Second history\\par}");
    withAbout([] {
        EXPECT_NE(text(kAboutHistoryView).find("Second history"), std::string::npos);
        EXPECT_EQ(text(kAboutHistoryView).find("First history"), std::string::npos);
    });
}

} // namespace

namespace {

TEST_F(AboutTest, EscapeClosesTheDialogOnEitherPage) {
    for (bool historyPage : {false, true}) {
        SCOPED_TRACE(historyPage ? "history page" : "information page");
        bool closed = false;
        withAbout([&] {
            if (historyPage) eztest::Click(kAboutForm, kAboutPageButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            eztest::Settle();
            closed = !eztest::FormExists(kAboutForm);
        });
        EXPECT_TRUE(closed);
    }
}

// The history shipped with the program tells the truth about it: the built-in profiles it names
// exist and are as many as it says, and the total is not said to follow the typing.
TEST(ShippedHistory, NamesOnlyRealBuiltInProfilesAndHowTheTotalIsWorkedOut) {
    QFile file(QStringLiteral(QM_ASSETS_DIR "/History.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text;
    for (const RtfParagraph& paragraph : ReadRtf(file.readAll().toStdString()).paragraphs) {
        for (const RtfRun& run : paragraph.runs)
            text += run.text;
        text += QLatin1Char('\n');
    }
    ProfileStore store;
    BuildDefaultProfiles(store);
    const int builtIns = ProfilesInUse(store) - 1; // row 0 is "None"
    EXPECT_EQ(builtIns, 41);
    EXPECT_TRUE(text.contains(QStringLiteral("Forty-one built-in Business Profiles")));
    // Every name given as an example ("from A to B, among them C, D and E.") is a built-in one.
    const QRegularExpression examples(
        QStringLiteral("from ([^,.]+) to ([^,.]+), among them ([^,.]+), ([^,.]+) and ([^,.]+)\\."));
    const QRegularExpressionMatch match =
        examples.match(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    for (int i = 1; i <= 5; ++i) {
        const std::string name =
            match.captured(i).replace(QChar(0x2019), QLatin1Char('\'')).simplified().toStdString();
        EXPECT_GE(FindProfileIgnoringCase(store, name), 1) << name;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("as you type")));
    EXPECT_TRUE(text.contains(QStringLiteral("SHA-256")));
}

} // namespace
