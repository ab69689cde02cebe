// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/print_preview.h"

#include "app/shell/app_paths.h"
#include "app/text/cp1252.h"
#include "msgbox/markup_literal.h"
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
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

// The zoom steps in percent of the paper's true size, for zooming in and out from any zoom.
constexpr std::array<int, 11> kZoomSteps = {25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};
// The room around the page inside the scroll area, in pixels.
constexpr int kPageMargin = 10;
// A wheel's notch; a high-resolution wheel zooms once its turns add up to one.
constexpr int kWheelNotch = 120;
// The smallest zoom a fit may reach in a very small window.
constexpr double kSmallestFit = 0.05;

// The window's texts (code page 1252: 0x85 is the ellipsis).
constexpr const char* kTitle = "Print Preview";
constexpr const char* kFitPageCaption = "&Fit Page";
constexpr const char* kFitWidthCaption = "Fit &Width";
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
    : QDialog(parent), page_(std::move(page)) {
    setWindowTitle(Text(kTitle));
    setModal(true);

    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setAccessibleName(QStringLiteral("Page view"));
    pageView_ = new QLabel(scroll_);
    pageView_->setAccessibleName(QStringLiteral("Page"));
    scroll_->setWidget(pageView_);
    scroll_->viewport()->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    fitPageButton_ = AddButton(buttons, kFitPageCaption, this);
    fitWidthButton_ = AddButton(buttons, kFitWidthCaption, this);
    fitPageButton_->setCheckable(true);
    fitWidthButton_->setCheckable(true);
    zoomOutButton_ = AddButton(buttons, kZoomOutCaption, this);
    zoomLabel_ = new QLabel(this);
    zoomLabel_->setAccessibleDescription(QStringLiteral("Zoom"));
    zoomLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000 %")));
    zoomLabel_->setAlignment(Qt::AlignCenter);
    buttons->addWidget(zoomLabel_);
    zoomInButton_ = AddButton(buttons, kZoomInCaption, this);
    buttons->addStretch();
    QPushButton* printButton = AddButton(buttons, kPrintCaption, this);
    QPushButton* saveButton = AddButton(buttons, kSaveCaption, this);
    QPushButton* closeButton = AddButton(buttons, kCloseCaption, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);

    connect(fitPageButton_, &QPushButton::clicked, this, &PrintPreviewWindow::fitPage);
    connect(fitWidthButton_, &QPushButton::clicked, this, &PrintPreviewWindow::fitWidth);
    connect(zoomOutButton_, &QPushButton::clicked, this, &PrintPreviewWindow::zoomOut);
    connect(zoomInButton_, &QPushButton::clicked, this, &PrintPreviewWindow::zoomIn);
    connect(printButton, &QPushButton::clicked, this, &PrintPreviewWindow::print);
    connect(saveButton, &QPushButton::clicked, this, &PrintPreviewWindow::saveAsPdf);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // The keys of document viewers: Ctrl++ (or Ctrl+=, the same key unshifted), Ctrl+- and
    // Ctrl+0 for the whole page again.
    const std::array<std::pair<QKeySequence, void (PrintPreviewWindow::*)()>, 6> keys = {{
        {QKeySequence::ZoomIn, &PrintPreviewWindow::zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &PrintPreviewWindow::zoomIn},
        {QKeySequence::ZoomOut, &PrintPreviewWindow::zoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_0), &PrintPreviewWindow::fitPage},
        {QKeySequence::Print, &PrintPreviewWindow::print},
        {QKeySequence::Save, &PrintPreviewWindow::saveAsPdf},
    }};
    for (const auto& [sequence, command] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, command);
    closeButton->setFocus();

    // Nine tenths of the screen's height, and as wide as the whole page needs at that height.
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int height = screen.height() * 9 / 10;
    const int pageHeight = height - buttons->sizeHint().height() - 4 * kPageMargin;
    const int width = static_cast<int>(pageHeight * kPageWidthInches / kPageHeightInches) + 4 * kPageMargin;
    resize(std::min(std::max(width, sizeHint().width()), screen.width()), height);
    showPage();
}

int PrintPreviewWindow::zoomPercent() const {
    return static_cast<int>(std::lround(zoom_ * 100));
}

void PrintPreviewWindow::fitPage() {
    fit_ = Fit::Page;
    showPage();
}

void PrintPreviewWindow::fitWidth() {
    fit_ = Fit::Width;
    showPage();
}

void PrintPreviewWindow::zoomIn() {
    const double percent = zoom_ * 100;
    const auto next =
        std::find_if(kZoomSteps.begin(), kZoomSteps.end(), [&](int step) { return step > percent + 0.5; });
    zoomTo((next == kZoomSteps.end() ? kZoomSteps.back() : *next) / 100.0);
}

void PrintPreviewWindow::zoomOut() {
    const double percent = zoom_ * 100;
    const auto next =
        std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [&](int step) { return step < percent - 0.5; });
    zoomTo((next == kZoomSteps.rend() ? kZoomSteps.front() : *next) / 100.0);
}

void PrintPreviewWindow::zoomTo(double zoom) {
    fit_ = Fit::None;
    zoom_ = zoom;
    showPage();
}

double PrintPreviewWindow::fittedZoom() const {
    const QSize room = scroll_->maximumViewportSize() - QSize(2 * kPageMargin, 2 * kPageMargin);
    const double trueWidth = kPageWidthInches * logicalDpiX();
    const double trueHeight = kPageHeightInches * logicalDpiY();
    if (fit_ == Fit::Width) {
        // The page will be taller than the window: leave room for the scroll bar it brings.
        const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
        return std::max(kSmallestFit, (room.width() - bar) / trueWidth);
    }
    return std::max(kSmallestFit, std::min(room.width() / trueWidth, room.height() / trueHeight));
}

bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport()) {
        if (event->type() == QEvent::Resize && fit_ != Fit::None) {
            // Only when the fit asks for another size, so that the page's own new size (and the
            // scroll bars it may bring or take) does not start it again.
            if (std::fabs(fittedZoom() - zoom_) > 1e-3) showPage();
        } else if (event->type() == QEvent::Wheel) {
            auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                wheelTurn_ += wheel->angleDelta().y();
                for (; wheelTurn_ >= kWheelNotch; wheelTurn_ -= kWheelNotch)
                    zoomIn();
                for (; wheelTurn_ <= -kWheelNotch; wheelTurn_ += kWheelNotch)
                    zoomOut();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PrintPreviewWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (fit_ != Fit::None) showPage(); // the window's final size is known now
}

void PrintPreviewWindow::showPage() {
    if (fit_ != Fit::None) zoom_ = fittedZoom();
    const double ratio = devicePixelRatioF();
    QImage image = RenderPageImage(page_, logicalDpiX() * zoom_ * ratio);
    image.setDevicePixelRatio(ratio);
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->resize(pageView_->sizeHint());
    zoomLabel_->setText(QString::number(zoomPercent()) + QStringLiteral(" %"));
    zoomOutButton_->setEnabled(zoomPercent() > kZoomSteps.front());
    zoomInButton_->setEnabled(zoomPercent() < kZoomSteps.back());
    fitPageButton_->setChecked(fit_ == Fit::Page);
    fitWidthButton_->setChecked(fit_ == Fit::Width);
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
               "The proposal could not be printed on " +
                   MarkupLiteral(ToCp1252(printer.printerName()) + ": " + printed.reason) + ".",
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
               "The proposal could not be written to " +
                   MarkupLiteral(ToCp1252(QDir::toNativeSeparators(path)) + ": " + written.reason) + ".",
               "Any file of that name is unchanged. Check that the folder exists, can be written and has "
               "room, then try again.");
}

bool ShowPrintPreview(const PageRecord& page) {
    PrintPreviewWindow preview(page, WindowInUse());
    preview.exec();
    return true;
}
