// SPDX-License-Identifier: GPL-3.0-or-later
// The help window as the program opens it: the page per command and context number, links,
// the contents and the index, one window a run, and missing folders and pages.
#include "app/help/help.h"
#include "app/help/help_browser.h"
#include "app/help/help_viewer.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_fonts.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

std::string shippedHelpFolder() {
    return qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/assets/Help/";
}

void help(int32_t command, int32_t topic = 0) {
    GETHELP(command, topic);
}

HelpViewer* viewer() {
    return CurrentHelpViewer();
}
std::string shownTarget() {
    return viewer()->browser()->currentTarget().toStdString();
}
std::string shownTitle() {
    return viewer()->browser()->documentTitle().toStdString();
}
std::string shownText() {
    return viewer()->browser()->toPlainText().toStdString();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Clicks the link whose text is `text` on the page shown, as a user would with the mouse.
void clickLink(const QString& text) {
    QTextBrowser* browser = viewer()->browser();
    QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    settle();
}

class HelpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { SetHelpFolder(shippedHelpFolder()); }
    void TearDown() override {
        delete viewer();
        settle();
    }
};

TEST_F(HelpWindowTest, EachContextNumberOpensItsPage) {
    const struct {
        int32_t topic;
        const char* page;
        const char* title;
    } cases[] = {
        {10, "client.html", "Client Information"},
        {15, "main-window.html", "The Planner Window"},
        {20, "profiles.html", "Business Profiles and the Months"},
        {35, "budget.html", "Budget Allocation"},
        {60, "options.html", "Options"},
        {80, "toolbar.html", "The Toolbar"},
        {105, "profile-editor.html", "The Business Profile Editor"},
    };
    for (const auto& c : cases) {
        help(15, c.topic);
        ASSERT_NE(viewer(), nullptr);
        EXPECT_EQ(shownTarget(), c.page) << c.topic;
        EXPECT_EQ(shownTitle(), c.title) << c.topic;
    }
}

TEST_F(HelpWindowTest, ContentsCommandShowsTheContentsPageAndList) {
    help(15, 35);
    help(1);
    EXPECT_EQ(shownTarget(), "index.html");
    EXPECT_EQ(shownTitle(), "Quillmark Help");
    EXPECT_EQ(viewer()->tabs()->currentIndex(), 0);
    EXPECT_GT(viewer()->contentsList()->count(), 5);
    // The contents entry of the page shown is the one marked.
    ASSERT_NE(viewer()->contentsList()->currentItem(), nullptr);
    EXPECT_EQ(viewer()->contentsList()->currentItem()->data(Qt::UserRole).toString().toStdString(),
              "index.html");
}

TEST_F(HelpWindowTest, IndexCommandShowsTheKeywordsAndKeepsThePageShown) {
    help(2);
    EXPECT_EQ(viewer()->tabs()->currentIndex(), 1);
    EXPECT_EQ(shownTarget(), "index.html"); // a first opening has a page to show
    EXPECT_GT(viewer()->keywordList()->count(), 20);
    help(15, 60);
    help(2);
    EXPECT_EQ(viewer()->tabs()->currentIndex(), 1);
    EXPECT_EQ(shownTarget(), "options.html");
}

TEST_F(HelpWindowTest, ANumberWithoutATopicOpensTheContents) {
    help(15, 0); // F1 before any part of the program has set a topic
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(shownTarget(), "index.html");
}

TEST_F(HelpWindowTest, OtherCommandsOpenNothing) {
    for (int32_t command : {0, 3, 14, 16, -1}) {
        help(command, 35);
        EXPECT_EQ(viewer(), nullptr) << command;
    }
}

TEST_F(HelpWindowTest, OneWindowARunRaisedAndRestoredWhenAskedAgain) {
    help(1);
    HelpViewer* first = viewer();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle().toStdString(), "Quillmark Help");
    first->showMinimized();
    help(15, 20);
    EXPECT_EQ(viewer(), first);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(shownTarget(), "profiles.html");

    first->close(); // the user closes it: the next call opens a new one
    settle();
    EXPECT_EQ(viewer(), nullptr);
    help(15, 80);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(shownTarget(), "toolbar.html");
}

TEST_F(HelpWindowTest, HelpOpenedFromAModalDialogCanBeUsed) {
    help(1); // open before the dialog: the dialog blocks it at first
    bool blocked = false;
    struct BlockSpy : QObject {
        bool* blocked;
        explicit BlockSpy(bool* b) : blocked(b) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::WindowBlocked) *blocked = true;
            if (e->type() == QEvent::WindowUnblocked) *blocked = false;
            return false;
        }
    } spy(&blocked);
    viewer()->installEventFilter(&spy);

    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    bool blockedBeforeHelp = false, blockedAfterHelp = true;
    QTimer::singleShot(0, &dialog, [&] {
        blockedBeforeHelp = blocked;
        help(15, 60); // the dialog's Help button
        settle();
        blockedAfterHelp = blocked;
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(blockedBeforeHelp);
    EXPECT_FALSE(blockedAfterHelp);
    EXPECT_EQ(shownTarget(), "options.html");
    viewer()->removeEventFilter(&spy);
}

// A small help folder of our own, for links and missing pages.
class HelpFixtureTest : public HelpWindowTest {
  protected:
    TempFolder folder;
    void SetUp() override {
        folder.write("index.html", "<html><head><title>Fixture contents</title></head><body>"
                                   "<p><a href=\"second.html#part\">Go to the second page</a></p>"
                                   "<p><a href=\"gone.html\">A page that is gone</a></p></body></html>");
        folder.write("second.html", "<html><head><title>Second page</title></head><body>"
                                    "<p><a href=\"index.html\">Back to the contents</a></p>"
                                    "<h2 id=\"part\">Part</h2><h2 id=\"slider\">Slider</h2></body></html>");
        folder.write("contents.txt", "Contents|index.html\r\nSecond page|second.html\r\nGone|gone.html\r\n");
        folder.write("keywords.txt", "Part of the second page|second.html#part\nSlider|second.html#slider\n"
                                     "Search|index.html\n");
        SetHelpFolder(folder.path().string() + "/");
    }
};

TEST_F(HelpFixtureTest, LinksLeadFromPageToPage) {
    help(1);
    EXPECT_EQ(shownTitle(), "Fixture contents");
    clickLink(QStringLiteral("Go to the second page"));
    EXPECT_EQ(shownTarget(), "second.html#part");
    EXPECT_EQ(shownTitle(), "Second page");
    EXPECT_EQ(viewer()->contentsList()->currentRow(), 1); // the contents follow the page
    clickLink(QStringLiteral("Back to the contents"));
    EXPECT_EQ(shownTarget(), "index.html");
}

TEST_F(HelpFixtureTest, ABrokenLinkShowsWhatIsMissing) {
    help(1);
    clickLink(QStringLiteral("A page that is gone"));
    EXPECT_EQ(shownTarget(), "gone.html");
    EXPECT_NE(shownText().find("This help page is missing"), std::string::npos) << shownText();
    EXPECT_NE(shownText().find("gone.html"), std::string::npos);
}

TEST_F(HelpFixtureTest, AContextPageMissingFromTheFolderShowsAMessage) {
    help(15, 35);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_NE(shownText().find("This help page is missing"), std::string::npos) << shownText();
    EXPECT_NE(shownText().find("budget.html"), std::string::npos);
}

TEST_F(HelpFixtureTest, ContentsEntriesOpenTheirPages) {
    help(1);
    QListWidget* contents = viewer()->contentsList();
    ASSERT_EQ(contents->count(), 3);
    EXPECT_EQ(contents->item(1)->text().toStdString(), "Second page");
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(contents->item(1)).center());
    EXPECT_EQ(shownTarget(), "second.html");
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(contents->item(0)).center());
    EXPECT_EQ(shownTarget(), "index.html");
}

TEST_F(HelpFixtureTest, TheIndexFindsAKeywordAsItIsTypedAndOpensIt) {
    help(2);
    QLineEdit* box = viewer()->keywordBox();
    QTest::keyClicks(box, QStringLiteral("sl"));
    ASSERT_NE(viewer()->keywordList()->currentItem(), nullptr);
    EXPECT_EQ(viewer()->keywordList()->currentItem()->text().toStdString(), "Slider");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(shownTarget(), "second.html#slider");
    QTest::keyClicks(box, QStringLiteral("x")); // "slx" matches nothing: the choice stays
    EXPECT_EQ(viewer()->keywordList()->currentItem()->text().toStdString(), "Slider");
}

TEST_F(HelpWindowTest, AMissingHelpFolderShowsAClearMessage) {
    TempFolder parent;
    const std::string missing = parent.path().string() + "/Help/";
    SetHelpFolder(missing);
    for (int32_t command : {1, 2, 15}) {
        help(command, 35);
        ASSERT_NE(viewer(), nullptr) << command;
        EXPECT_NE(shownText().find("The help pages are missing"), std::string::npos) << shownText();
        EXPECT_NE(shownText().find(parent.path().string()), std::string::npos) << shownText();
    }
    EXPECT_EQ(viewer()->contentsList()->count(), 0);
    EXPECT_EQ(viewer()->keywordList()->count(), 0);
}

} // namespace

namespace {

class HelpKeysAndLooks : public HelpWindowTest {
  protected:
    void SetUp() override {
        HelpWindowTest::SetUp();
        EZ_DEFFONT(6, "Segoe UI", 9.0F, ""); // registered at start-up, as the program does
    }
    static void activate() {
        QApplication::setActiveWindow(viewer());
        settle();
    }
};

TEST_F(HelpKeysAndLooks, AltNPutsTheFocusInTheIndexSearchBox) {
    help(1);
    activate();
    viewer()->contentsList()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    settle();
    EXPECT_EQ(viewer()->tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), viewer()->keywordBox());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("opt"));
    ASSERT_NE(viewer()->keywordList()->currentItem(), nullptr);
    EXPECT_TRUE(viewer()->keywordList()->currentItem()->text().startsWith(QStringLiteral("opt"),
                                                                          Qt::CaseInsensitive));
}

TEST_F(HelpKeysAndLooks, EscapeClosesTheWindow) {
    help(1);
    activate();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : viewer(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(viewer(), nullptr);
}

// One family throughout: the window's own widgets and every text of the page shown are in the
// program's font (the family that stands in for "Segoe UI").
TEST_F(HelpKeysAndLooks, TheWindowAndItsPagesUseTheProgramsFont) {
    const QString family = QFontInfo(EzFont(6)).family();
    for (int32_t context : {10, 35, 60}) {
        help(15, context);
        for (const QWidget* widget : viewer()->findChildren<QWidget*>())
            EXPECT_EQ(QFontInfo(widget->font()).family(), family)
                << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        const QTextDocument* page = viewer()->browser()->document();
        EXPECT_EQ(QFontInfo(page->defaultFont()).family(), family);
        for (QTextBlock block = page->begin(); block != page->end(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.hasProperty(QTextFormat::FontFamilies)) continue; // the page's default font
                QFont font = page->defaultFont();
                font.setFamilies(format.fontFamilies().toStringList());
                EXPECT_EQ(QFontInfo(font).family(), family) << it.fragment().text().toStdString();
            }
        }
    }
}

} // namespace
