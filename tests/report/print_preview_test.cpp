// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview on its own: the whole page at first, fit page and width, zoom by buttons,
// keys and the wheel, Save as PDF, Print, Close, and the notice for a PDF that
// cannot be written.
#include "app/shell/startup.h"
#include "app/toolkit/ez_testing.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "report/print_preview.h"
#include "tests/report/modal_answer.h"
#include "tests/report/pdf_text.h"
#include "tests/report/proposal_fixture.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

namespace {

// Puts a file name in the save dialog as if typed. The dialog leaves its name field alone while
// that field has the keyboard focus, which it may or may not have by the time a test answers it.
void ChooseFile(QFileDialog* dialog, const QString& path) {
    if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
    dialog->selectFile(path);
}

class PreviewTest : public ::testing::Test {
  protected:
    TempFolder folder;
    PrintPreviewWindow preview{RecordProposal(FloristsPlan())};

    void SetUp() override { eztest::Install(EventDispatch, DesignDispatch); }
    void TearDown() override { eztest::Reset(); }

    QPushButton* button(const QString& name) const {
        for (QPushButton* b : preview.findChildren<QPushButton*>())
            if (b->accessibleName() == name) return b;
        ADD_FAILURE() << "no button " << name.toStdString();
        return nullptr;
    }
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
};

// The preview on screen, as the user has it: shown, active, laid out.
class ShownPreviewTest : public PreviewTest {
  protected:
    void SetUp() override {
        PreviewTest::SetUp();
        preview.show();
        preview.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    }
    QScrollArea* scroll() const { return preview.findChild<QScrollArea*>(); }
    QSize pageSize() const {
        for (const QLabel* label : preview.findChildren<QLabel*>())
            if (label->accessibleName() == QStringLiteral("Page"))
                return label->pixmap().deviceIndependentSize().toSize();
        return {};
    }
    // The whole page lies in the visible part of the scroll area.
    bool wholePageShown() const {
        const QSize page = pageSize(), room = scroll()->viewport()->size();
        return !page.isEmpty() && page.width() <= room.width() && page.height() <= room.height();
    }
    void key(int key) { QTest::keyClick(&preview, static_cast<Qt::Key>(key), Qt::ControlModifier); }
    void wheel(int turn, Qt::KeyboardModifiers modifiers) {
        QWidget* viewport = scroll()->viewport();
        const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }
};

TEST_F(ShownPreviewTest, OpensShowingTheWholePageAsLargeAsTheWindowAllows) {
    EXPECT_EQ(preview.fit(), PrintPreviewWindow::Fit::Page);
    EXPECT_TRUE(wholePageShown()) << pageSize().width() << "x" << pageSize().height();
    // It fills the window's height or width, less the margin around it.
    const QSize room = scroll()->viewport()->size();
    EXPECT_GE(std::max(pageSize().width() - room.width(), pageSize().height() - room.height()), -25);
    // The percent shown is the page's size on screen, rounded to a whole percent.
    EXPECT_NEAR(pageSize().width(), 8.5 * preview.zoomPercent() / 100.0 * preview.logicalDpiX(),
                8.5 * 0.005 * preview.logicalDpiX() + 1);

    // A larger window shows the whole page larger.
    const int before = pageSize().height();
    preview.resize(preview.width() + 200, preview.height() + 200);
    QTRY_VERIFY(pageSize().height() > before);
    EXPECT_TRUE(wholePageShown());
}

TEST_F(ShownPreviewTest, FitWidthFillsTheWidthAndScrollsDown) {
    button(QStringLiteral("Fit Width"))->click();
    EXPECT_EQ(preview.fit(), PrintPreviewWindow::Fit::Width);
    QTRY_VERIFY(scroll()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll()->horizontalScrollBar()->isVisible());
    EXPECT_GE(pageSize().width(), scroll()->viewport()->width() - 25);
    EXPECT_LE(pageSize().width(), scroll()->viewport()->width());
    EXPECT_TRUE(button(QStringLiteral("Fit Width"))->isChecked());
    EXPECT_FALSE(button(QStringLiteral("Fit Page"))->isChecked());

    button(QStringLiteral("Fit Page"))->click();
    EXPECT_TRUE(wholePageShown());
}

TEST_F(ShownPreviewTest, KeysZoomInStepsAndCtrlZeroShowsTheWholePageAgain) {
    const int fitted = preview.zoomPercent();
    key(Qt::Key_Plus);
    EXPECT_EQ(preview.fit(), PrintPreviewWindow::Fit::None);
    const int larger = preview.zoomPercent();
    EXPECT_GT(larger, fitted);
    EXPECT_NEAR(pageSize().width(), 8.5 * larger / 100.0 * preview.logicalDpiX(), 2.0);
    key(Qt::Key_Equal); // the same key without Shift
    EXPECT_GT(preview.zoomPercent(), larger);
    key(Qt::Key_Minus);
    EXPECT_EQ(preview.zoomPercent(), larger);
    key(Qt::Key_0);
    EXPECT_EQ(preview.fit(), PrintPreviewWindow::Fit::Page);
    EXPECT_EQ(preview.zoomPercent(), fitted);
    EXPECT_TRUE(wholePageShown());

    // The steps end at 25 % and 400 %, and the buttons say so.
    for (int i = 0; i < 20; ++i)
        key(Qt::Key_Plus);
    EXPECT_EQ(preview.zoomPercent(), 400);
    EXPECT_FALSE(button(QStringLiteral("Zoom In"))->isEnabled());
    for (int i = 0; i < 20; ++i)
        button(QStringLiteral("Zoom Out"))->click();
    EXPECT_EQ(preview.zoomPercent(), 25);
    EXPECT_FALSE(button(QStringLiteral("Zoom Out"))->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("Zoom In"))->isEnabled());
}

TEST_F(ShownPreviewTest, CtrlWheelZoomsAndThePlainWheelScrolls) {
    const int fitted = preview.zoomPercent();
    wheel(120, Qt::ControlModifier);
    EXPECT_GT(preview.zoomPercent(), fitted);
    const int zoomed = preview.zoomPercent();
    wheel(60, Qt::ControlModifier); // half a notch of a fine wheel: not yet
    EXPECT_EQ(preview.zoomPercent(), zoomed);
    wheel(60, Qt::ControlModifier);
    EXPECT_GT(preview.zoomPercent(), zoomed);
    wheel(-240, Qt::ControlModifier);
    EXPECT_LT(preview.zoomPercent(), zoomed);

    button(QStringLiteral("Fit Width"))->click();
    QTRY_VERIFY(scroll()->verticalScrollBar()->maximum() > 0);
    const int zoom = preview.zoomPercent();
    wheel(-120, Qt::NoModifier);
    EXPECT_GT(scroll()->verticalScrollBar()->value(), 0) << "scrolled down";
    EXPECT_EQ(preview.zoomPercent(), zoom);
}

TEST_F(PreviewTest, SaveAsPdfWritesTheProposalWhereTheUserChose) {
    // Typed without the suffix: the dialog adds it.
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        ChooseFile(dialog, path("for the client"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    button(QStringLiteral("Save as PDF"))->click();
    const QString written = path("for the client.pdf");
    ASSERT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(PdfInfo(written), "Pages:           1\nPage size:       612 x 792 pts (letter)\n");
    EXPECT_NE(PdfText(written).find("Yearly Proposal for Bloom & Petal Florists"), std::string::npos);
}

TEST_F(PreviewTest, ACancelledSaveWritesNothing) {
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        ChooseFile(dialog, path("unwanted.pdf"));
        dialog->reject();
    });
    preview.saveAsPdf();
    EXPECT_FALSE(QFileInfo::exists(path("unwanted.pdf")));
}

TEST_F(PreviewTest, APdfThatCannotBeWrittenIsTold) {
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        ChooseFile(dialog, path("missing folder/proposal.pdf"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    MessageDialogState shown;
    eztest::OnModal(kMessageDialogForm, [&] {
        shown = MessageDialog();
        EZ_UNLOADFORM(kMessageDialogForm);
    });
    preview.saveAsPdf();
    EXPECT_EQ(shown.title, "Proposal Not Saved");
    EXPECT_NE(shown.text1.find("missing folder/proposal.pdf"), std::string::npos) << shown.text1;
}

TEST_F(PreviewTest, PrintPutsThePageOnThePrinterChosen) {
    const QString printed = path("printed.pdf");
    WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
        // The dialog's own "print to file", answered as the user would leave it.
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(printed);
        dialog->done(QDialog::Accepted);
    });
    button(QStringLiteral("Print"))->click();
    ASSERT_TRUE(QFileInfo::exists(printed));
    EXPECT_EQ(PdfInfo(printed), "Pages:           1\nPage size:       612 x 792 pts (letter)\n");
    const std::string text = PdfText(printed);
    EXPECT_NE(text.find("Yearly Proposal for Bloom & Petal Florists"), std::string::npos);
    EXPECT_NE(text.find("MONTHLY TOTALS"), std::string::npos);
}

TEST_F(PreviewTest, ACancelledPrintPrintsNothing) {
    const QString printed = path("not printed.pdf");
    WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(printed);
        dialog->reject();
    });
    preview.print();
    EXPECT_FALSE(QFileInfo::exists(printed));
}

TEST_F(PreviewTest, CloseEndsThePreview) {
    QTimer::singleShot(0, [&] { button(QStringLiteral("Close"))->click(); });
    EXPECT_EQ(preview.exec(), QDialog::Accepted);
    EXPECT_FALSE(preview.isVisible());
}

} // namespace
