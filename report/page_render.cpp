// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_render.h"

#include "app/text/cp1252.h"
#include "report/page_fonts.h"
#include "report/print_job.h"

#include <QBuffer>
#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>
#include <variant>

namespace {

constexpr double kPointsPerInch = 72.0;

QColor ColourOf(PageColour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Draws one recorded operation; holds the scale from inches to painter units.
class OperationPainter {
  public:
    OperationPainter(QPainter& painter, double dotsPerInch) : painter_(painter), dpi_(dotsPerInch) {}

    void operator()(const PageRect& rect) const {
        const QRectF area(At(rect.left, rect.top), At(rect.right, rect.bottom));
        painter_.fillRect(area.normalized(), ColourOf(rect.fill));
        if (rect.width < 0) return;
        painter_.setPen(PenFor(rect.width, rect.line));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(area.normalized());
    }

    void operator()(const PageLine& line) const {
        if (line.width < 0) return;
        painter_.setPen(PenFor(line.width, line.colour));
        painter_.drawLine(At(line.x1, line.y1), At(line.x2, line.y2));
    }

    void operator()(const PageText& text) const {
        if (text.font.points <= 0 || text.text.empty()) return;
        const QFont font = QtFontFor(text.font, dpi_ / kPointsPerInch, painter_.device()->logicalDpiY());
        const QString line = FromCp1252(text.text);
        const double advance = QFontMetricsF(font, painter_.device()).horizontalAdvance(line);
        QPointF baseline = At(text.x, text.y);
        if (text.align == TextAlign::Centre) baseline.rx() -= advance / 2;
        if (text.align == TextAlign::Right) baseline.rx() -= advance;
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(baseline, line);
    }

    void operator()(const PageImage& picture) const {
        QImage image;
        if (!image.loadFromData(reinterpret_cast<const uchar*>(picture.encoded.data()),
                                static_cast<int>(picture.encoded.size())))
            return;
        // A logo keeps its sharp edges: the PDF stores it without lossy compression.
        painter_.setRenderHint(QPainter::LosslessImageRendering);
        painter_.drawImage(
            QRectF(At(picture.left, picture.top), At(picture.right, picture.bottom)).normalized(), image);
    }

  private:
    QPointF At(float x, float y) const { return QPointF(x * dpi_, y * dpi_); }

    // Width in points; 0 is the device's thinnest line (a cosmetic pen).
    QPen PenFor(float width, PageColour colour) const {
        QPen pen(ColourOf(colour));
        pen.setWidthF(width * dpi_ / kPointsPerInch);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }

    QPainter& painter_;
    double dpi_;
};

} // namespace

void PaintPage(const PageRecord& page, QPainter& painter, double dotsPerInch) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const OperationPainter paintOne(painter, dotsPerInch);
    for (const PageOperation& operation : page.operations)
        std::visit(paintOne, operation);
    painter.restore();
}

QImage RenderPageImage(const PageRecord& page, double dotsPerInch) {
    const int width = static_cast<int>(std::ceil(kPageWidthInches * dotsPerInch));
    const int height = static_cast<int>(std::ceil(kPageHeightInches * dotsPerInch));
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(page, painter, dotsPerInch);
    return image;
}

namespace {

void SetLetterPage(QPagedPaintDevice& device) {
    // The page is drawn for US Letter portrait from the paper's corner.
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

} // namespace

std::optional<QByteArray> ProposalPdfBytes(const PageRecord& page) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        SetLetterPage(writer);
        writer.setTitle(FromCp1252(page.title));
        writer.setCreator(QStringLiteral("Quillmark"));
        QPainter painter;
        if (!painter.begin(&writer)) return std::nullopt;
        PaintPage(page, painter, writer.resolution());
        if (!painter.end()) return std::nullopt;
    }
    return bytes;
}

FileResult WriteProposalPdf(const PageRecord& page, const QString& path) {
    // The page is made whole in memory first, then written by the program's safe writer, so a
    // failed write never leaves half a PDF in place of the one that was there.
    const std::optional<QByteArray> bytes = ProposalPdfBytes(page);
    if (!bytes) return FileResult::Failed("the page could not be drawn");
    return WriteFileAtomically(path,
                               std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}

PrintResult PrintPageOn(QPrinter& printer, const PageRecord& page) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const FileResult written = WriteProposalPdf(page, printer.outputFileName());
        return {written.ok, written.reason};
    }
    const std::optional<QByteArray> bytes = ProposalPdfBytes(page);
    if (!bytes) return {false, "the page could not be drawn"};
    return SubmitPdfToPrinter(*bytes, printer, page.title);
}
