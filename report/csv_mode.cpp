// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/csv_mode.h"

#include "report/pdf_mode.h"
#include "report/proposal_csv_export.h"

#include <QApplication>

int RunCsvCommand(int argc, char** argv, const PdfArguments& arguments) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepQtNotesOffStderr();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    PdfRequest request;
    request.pdfFile = QString::fromLocal8Bit(arguments.pdfFile.c_str());
    if (arguments.planFile) request.planFile = QString::fromLocal8Bit(arguments.planFile->c_str());
    request.writeInstead = WriteProposalCsv;
    return RunPdfMode(request);
}
