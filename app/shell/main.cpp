// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the command line, then the planner window (or the PDF mode, without a window).
#include "app/shell/plan_commands.h"
#include "app/shell/startup.h"
#include "app/text/cp1252.h"
#include "report/csv_arguments.h"
#include "report/csv_mode.h"
#include "report/page_layer.h"
#include "report/pdf_arguments.h"
#include "report/pdf_mode.h"
#include "report/print_preview.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void PrintUsage() {
    std::puts("Usage: quillmark [PLAN.qmplan]\n"
              "       quillmark --pdf FILE [--plan PLAN | PLAN.qmplan]\n"
              "       quillmark --pdf-dir DIR PLAN.qmplan...\n"
              "       quillmark --help | --version\n"
              "\n"
              "Without options, opens the planner window (with the plan file, when one is given; a copy\n"
              "already running on the same data folder opens it instead).\n"
              "  --pdf FILE     print the yearly proposal of the remembered plan to FILE (a PDF) and exit\n"
              "  --plan PLAN    with --pdf: read the plan from the [Info] section of PLAN instead\n"
              "  PLAN.qmplan    with --pdf: print that plan file\n"
              "  --pdf-dir DIR  print each plan file to DIR/<plan's name>.pdf and exit; a plan that\n"
              "                 cannot be printed is named with the reason, the others are printed\n"
              "  --csv FILE     write the monthly table of the plan to FILE (CSV) and exit; takes --plan\n"
              "  --version      print the program's version and exit\n"
              "  --help         print this help and exit\n"
              "\n"
              "Environment: QUILLMARK_HOME (data folder), QUILLMARK_UPDATE_URL (version file address),\n"
              "QUILLMARK_TODAY (YYYY-MM-DD, the date the program takes for today).");
}

// The PDF mode needs no screen: Qt's offscreen platform stands in for one.
int RunPdfCommand(int argc, char** argv, const PdfArguments& arguments) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepQtNotesOffStderr();
    // Plan files are printed without a window: the lighter application object does.
    std::unique_ptr<QGuiApplication> app;
    if (arguments.planFiles.empty())
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Quillmark"));
    PdfRequest request{QString::fromLocal8Bit(arguments.pdfFile.c_str()),
                       arguments.planFile ? QString::fromLocal8Bit(arguments.planFile->c_str()) : QString(),
                       {},
                       QString::fromLocal8Bit(arguments.pdfDir.c_str())};
    for (const std::string& plan : arguments.planFiles)
        request.plans << QString::fromLocal8Bit(plan.c_str());
    return RunPdfMode(request);
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Quillmark 3.0.0.0");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintUsage();
            return 0;
        }
    }
    // --csv FILE [--plan PLAN]: the monthly table as a spreadsheet file.
    if (const PdfArguments csv = ParseCsvArguments(std::vector<std::string>(argv + 1, argv + argc));
        csv.requested) {
        if (csv.error.empty()) return RunCsvCommand(argc, argv, csv);
        std::fprintf(stderr, "quillmark: %s (see --help)\n", csv.error.c_str());
        return 2;
    }
    const PdfArguments pdf = ParsePdfArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!pdf.error.empty()) {
        std::fprintf(stderr, "quillmark: %s (see --help)\n", pdf.error.c_str());
        return 2;
    }
    if (pdf.requested) return RunPdfCommand(argc, argv, pdf);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    // A plan file named on the command line (Qt's own options are gone from arguments()): a name
    // ending in .qmplan, or any file that is there. Other words ("/update") are not plans.
    QStringList plans;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        if (!argument.startsWith(QLatin1Char('-')) &&
            (argument.endsWith(QStringLiteral(".qmplan"), Qt::CaseInsensitive) ||
             QFileInfo(argument).isFile()))
            plans << argument;
    if (plans.size() > 1) {
        std::fputs("quillmark: one plan file at a time (see --help)\n", stderr);
        return 2;
    }
    if (!plans.isEmpty()) SetPlanToOpenAtStart(ToCp1252(plans.constFirst()));
    SetPageSink(ShowPrintPreview); // a printed proposal goes to the preview
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ez/AAPROGRAM.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmark")); // ties the window to its menu entry
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return WINMAIN(0, 0, commandLine, 1);
}
