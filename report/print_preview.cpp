#include "report/print_preview.h"

#include "app/shell/app_paths.h"
#include "app/text/cp1252.h"
#include "msgbox/message_dialog.h"
#include "report/page_render.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The zoom steps in percent of the paper's true size; the preview opens at true size, where
// the page's 9-point texts read as on paper.
constexpr std::array<int, 7> kZoomSteps = {50, 67, 75, 100, 125, 150, 200};
constexpr size_t kTrueSize = 3;

// The window's texts (code page 1252: 0x85 is the ellipsis).
constexpr const char* kTitle = "Print Preview";
constexpr const char* kZoomOutCaption = "Zoom &Out";
constexpr const char* kZoomInCaption = "Zoom &In";
constexpr const char* kPrintCaption = "&Print\x85";
constexpr const char* kSaveCaption = "&Save as PDF\x85";
constexpr const char* kCloseCaption = "&Close";
constexpr const char* kSaveDialogTitle = "Save as PDF";
constexpr const char* kSuggestedFileName = "Yearly Proposal.pdf";
constexpr const char* kPdfFilter = "PDF files (*.pdf)";

QString Text(const char* cp1252) {
    return FromCp1252(cp1252);
}

// The caption as screen readers say it: without the "&" and the ellipsis.
QString SpokenName(const char* caption) {
    QString name = Text(caption);
    name.remove(QLatin1Char('&'));
    name.remove(QChar(0x2026));
    return name;
}

QPushButton* AddButton(QHBoxLayout* row, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(Text(caption), parent);
    button->setAccessibleName(SpokenName(caption));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// The window in use, which the preview is modal over: the planner when it printed.
QWidget* WindowInUse() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == Text(kProgramName)) return widget;
    return nullptr;
}

} // namespace

PrintPreviewWindow::PrintPreviewWindow(PageRecord page, QWidget* parent)
    : QDialog(parent), page_(std::move(page)), zoomStep_(kTrueSize) {
    setWindowTitle(Text(kTitle));
    setModal(true);

    auto* scroll = new QScrollArea(this);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignCenter);
    pageView_ = new QLabel(scroll);
    pageView_->setAccessibleName(QStringLiteral("Page"));
    scroll->setWidget(pageView_);

    auto* buttons = new QHBoxLayout;
    zoomOutButton_ = AddButton(buttons, kZoomOutCaption, this);
    zoomLabel_ = new QLabel(this);
    zoomLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000 %")));
    zoomLabel_->setAlignment(Qt::AlignCenter);
    buttons->addWidget(zoomLabel_);
    zoomInButton_ = AddButton(buttons, kZoomInCaption, this);
    buttons->addStretch();
    QPushButton* printButton = AddButton(buttons, kPrintCaption, this);
    QPushButton* saveButton = AddButton(buttons, kSaveCaption, this);
    QPushButton* closeButton = AddButton(buttons, kCloseCaption, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(zoomOutButton_, &QPushButton::clicked, this, &PrintPreviewWindow::zoomOut);
    connect(zoomInButton_, &QPushButton::clicked, this, &PrintPreviewWindow::zoomIn);
    connect(printButton, &QPushButton::clicked, this, &PrintPreviewWindow::print);
    connect(saveButton, &QPushButton::clicked, this, &PrintPreviewWindow::saveAsPdf);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(new QShortcut(QKeySequence::ZoomIn, this), &QShortcut::activated, this,
            &PrintPreviewWindow::zoomIn);
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this,
            &PrintPreviewWindow::zoomOut);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &PrintPreviewWindow::print);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &PrintPreviewWindow::saveAsPdf);
    closeButton->setFocus();

    showPage();
    // The whole width of the page at true size, and as much of its height as the screen holds.
    const QSize pageSize = pageView_->size();
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(pageSize.width() + 60, screen.width()),
           std::min(pageSize.height() + 90, screen.height() * 9 / 10));
}

int PrintPreviewWindow::zoomPercent() const {
    return kZoomSteps[zoomStep_];
}

void PrintPreviewWindow::zoomIn() {
    if (zoomStep_ + 1 < kZoomSteps.size()) ++zoomStep_;
    showPage();
}

void PrintPreviewWindow::zoomOut() {
    if (zoomStep_ > 0) --zoomStep_;
    showPage();
}

void PrintPreviewWindow::showPage() {
    const double ratio = devicePixelRatioF();
    const double dotsPerInch = logicalDpiX() * zoomPercent() / 100.0;
    QImage image = RenderPageImage(page_, dotsPerInch * ratio);
    image.setDevicePixelRatio(ratio);
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->resize(pageView_->sizeHint());
    zoomLabel_->setText(QString::number(zoomPercent()) + QStringLiteral(" %"));
    zoomOutButton_->setEnabled(zoomStep_ > 0);
    zoomInButton_->setEnabled(zoomStep_ + 1 < kZoomSteps.size());
}

void PrintPreviewWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(FromCp1252(page_.title));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const PrintResult printed = PrintPageOn(printer, page_);
    if (printed) return;
    ShowNotice("Printer Error",
               "The proposal could not be printed on " + ToCp1252(printer.printerName()) + ": " +
                   printed.reason + ".",
               "Check that the printer is ready, then try again.");
}

void PrintPreviewWindow::saveAsPdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, Text(kSaveDialogTitle), QDir(folder).filePath(Text(kSuggestedFileName)),
                       Text(kPdfFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    const FileResult written = WriteProposalPdf(page_, path);
    if (written) return;
    ShowNotice("Proposal Not Saved",
               "The proposal could not be written to " + ToCp1252(QDir::toNativeSeparators(path)) + ": " +
                   written.reason + ".",
               "Any file of that name is unchanged. Check that the folder exists, can be written and has "
               "room, then try again.");
}

bool ShowPrintPreview(const PageRecord& page) {
    PrintPreviewWindow preview(page, WindowInUse());
    preview.exec();
    return true;
}
