// The print preview on its own: zoom, Save as PDF, Print, Close, and the notice for a PDF that
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

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
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

    int pageWidth() const {
        for (const QLabel* label : preview.findChildren<QLabel*>())
            if (label->accessibleName() == QStringLiteral("Page"))
                return label->pixmap().deviceIndependentSize().toSize().width();
        return 0;
    }
    QPushButton* button(const QString& name) const {
        for (QPushButton* b : preview.findChildren<QPushButton*>())
            if (b->accessibleName() == name) return b;
        ADD_FAILURE() << "no button " << name.toStdString();
        return nullptr;
    }
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
};

TEST_F(PreviewTest, OpensAtTrueSizeAndZoomsInSteps) {
    EXPECT_EQ(preview.zoomPercent(), 100);
    EXPECT_NEAR(pageWidth(), 8.5 * preview.logicalDpiX(), 1.0);

    button(QStringLiteral("Zoom In"))->click();
    EXPECT_EQ(preview.zoomPercent(), 125);
    EXPECT_NEAR(pageWidth(), 8.5 * 1.25 * preview.logicalDpiX(), 1.0);

    for (int i = 0; i < 10; ++i)
        preview.zoomIn();
    EXPECT_EQ(preview.zoomPercent(), 200);
    EXPECT_FALSE(button(QStringLiteral("Zoom In"))->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("Zoom Out"))->isEnabled());

    for (int i = 0; i < 10; ++i)
        button(QStringLiteral("Zoom Out"))->click();
    EXPECT_EQ(preview.zoomPercent(), 50);
    EXPECT_FALSE(button(QStringLiteral("Zoom Out"))->isEnabled());
    EXPECT_NEAR(pageWidth(), 8.5 * 0.5 * preview.logicalDpiX(), 1.0);
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
