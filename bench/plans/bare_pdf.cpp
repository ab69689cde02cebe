// The yardstick of the plans benchmark: a bare Qt program that writes N one-page US Letter PDFs,
// each with the given numbers of rectangles and lines and of texts in Arial (Liberation Sans) at
// the given sizes, one file each, and nothing else: no settings, no profiles, no windows.
//   usage: bare_pdf OUTDIR N RECTS LINES FONT...   FONT: <points><b|r>x<texts>, e.g. 9bx115
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fputs("usage: bare_pdf OUTDIR N RECTS LINES FONT...\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int pages = std::atoi(argv[2]), rects = std::atoi(argv[3]), lines = std::atoi(argv[4]);
    struct Texts {
        QFont font;
        int count;
    };
    std::vector<Texts> texts;
    for (int i = 5; i < argc; ++i) {
        const QString spec = QString::fromLatin1(argv[i]); // "9bx115"
        const qsizetype x = spec.indexOf(QLatin1Char('x'));
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(spec.left(x - 1).toDouble());
        font.setBold(spec.at(x - 1) == QLatin1Char('b'));
        texts.push_back({font, spec.mid(x + 1).toInt()});
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
        for (const Texts& kind : texts) {
            painter.setFont(kind.font);
            for (int i = 0; i < kind.count; ++i, ++line)
                painter.drawText(QPointF((0.5 + 1.2 * (line % 6)) * inch, (0.5 + 0.07 * line) * inch),
                                 QStringLiteral("JAN '19 $1,234 %1 ads").arg(page * 1000 + line));
        }
        if (!painter.end()) return 1;
    }
    return 0;
}
