// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/report/pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace {

std::string Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput().toStdString();
}

} // namespace

std::string PdfText(const QString& pdfFile) {
    return Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
}

std::string PdfInfo(const QString& pdfFile) {
    std::string kept;
    const std::string info = Output(QStringLiteral("pdfinfo"), {pdfFile});
    size_t start = 0;
    while (start < info.size()) {
        const size_t end = info.find('\n', start);
        const std::string line =
            info.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.rfind("Pages:", 0) == 0 || line.rfind("Page size:", 0) == 0) kept += line + "\n";
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return kept;
}

QImage PdfPicture(const QString& pdfFile, int dotsPerInch) {
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-gray"),
                   QStringLiteral("-singlefile"), pdfFile, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

double MeanDifference(const QImage& a, const QImage& b) {
    if (a.isNull() || a.size() != b.size()) return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x)
            sum += rowA[x] > rowB[x] ? rowA[x] - rowB[x] : rowB[x] - rowA[x];
    }
    return sum / (static_cast<double>(a.width()) * a.height());
}

std::vector<PdfWord> PdfWords(const QString& pdfFile) {
    const QString page = QString::fromStdString(
        Output(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                QStringLiteral("1"), pdfFile, QStringLiteral("-")}));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(page)) {
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({text.toStdString(), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}
