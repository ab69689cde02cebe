#include "tests/report/pdf_text.h"

#include <QProcess>
#include <QStringList>

namespace {

std::string Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
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
        const std::string line = info.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.rfind("Pages:", 0) == 0 || line.rfind("Page size:", 0) == 0) kept += line + "\n";
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return kept;
}
