// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the plans benchmark: a bare Qt program that writes N one-page US Letter PDFs,
// each with the given numbers of rectangles and lines and the texts of TEXTS in Arial (Liberation
// Sans), one file each, and nothing else: no settings, no profiles, no windows. TEXTS holds a line
// per text: its size in points, "b" or "r" (bold or regular), a blank and the text in UTF-8. With
// LOGO, each page also reads that picture, scaled as the proposal's logo is (to fit 900 x 330
// pixels), and draws it at the top left.
//   usage: bare_pdf OUTDIR N RECTS LINES TEXTS [LOGO]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::fputs("usage: bare_pdf OUTDIR N RECTS LINES TEXTS [LOGO]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int pages = std::atoi(argv[2]), rects = std::atoi(argv[3]), lines = std::atoi(argv[4]);
    struct Text {
        QFont font;
        QString text;
    };
    std::vector<Text> texts;
    QFile list(QString::fromLocal8Bit(argv[5]));
    if (!list.open(QIODevice::ReadOnly)) return 2;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).chopped(1); // "9b TEXT"
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(line.left(blank - 1).toDouble());
        font.setBold(line.at(blank - 1) == QLatin1Char('b'));
        texts.push_back({font, line.mid(blank + 1)});
    }
    for (int page = 1; page <= pages; ++page) {
        QPdfWriter writer(folder.filePath(QStringLiteral("bare %1.pdf").arg(page)));
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        QPainter painter(&writer);
        const double inch = 1200;
        for (int i = 0; i < rects; ++i) {
            painter.setPen(QPen(Qt::black, 2));
            painter.setBrush(i % 2 ? Qt::white : Qt::red);
            painter.drawRect(
                QRectF((0.5 + 0.15 * (i % 48)) * inch, (1 + 0.2 * (i / 48)) * inch, 0.5 * inch, 0.3 * inch));
        }
        for (int i = 0; i < lines; ++i)
            painter.drawLine(QPointF(0.5 * inch, (7 + 0.1 * i) * inch),
                             QPointF(8 * inch, (7 + 0.1 * i) * inch));
        int line = 0;
        for (const Text& text : texts) {
            painter.setFont(text.font);
            painter.drawText(QPointF((0.5 + 1.2 * (line % 6)) * inch, (0.5 + 0.07 * line) * inch), text.text);
            ++line;
        }
        if (argc == 7) {
            QImageReader reader(QString::fromLocal8Bit(argv[6]));
            reader.setScaledSize(reader.size().scaled(900, 330, Qt::KeepAspectRatio));
            const QImage logo = reader.read();
            if (logo.isNull()) return 1;
            painter.setRenderHint(QPainter::LosslessImageRendering);
            painter.drawImage(QRectF(0.5 * inch, 0.15 * inch, logo.width() * 2.0, logo.height() * 2.0), logo);
        }
        if (!painter.end()) return 1;
    }
    return 0;
}
