// The program: the command line, then the planner window (or the PDF mode, without a window).
#include "app/shell/startup.h"
#include "app/text/cp1252.h"
#include "report/csv_arguments.h"
#include "report/csv_mode.h"
#include "report/page_layer.h"
#include "report/pdf_arguments.h"
#include "report/pdf_mode.h"
#include "report/print_preview.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void PrintUsage() {
    std::puts("Usage: quillmark [--pdf FILE [--plan PLAN]] [--help] [--version]\n"
              "\n"
              "Without options, opens the planner window.\n"
              "  --pdf FILE    print the yearly proposal of the remembered plan to FILE (a PDF) and exit\n"
              "  --plan PLAN   with --pdf: read the plan from the [Info] section of PLAN instead\n"
              "  --csv FILE    write the monthly table of the plan to FILE (CSV) and exit; takes --plan too\n"
              "  --version     print the program's version and exit\n"
              "  --help        print this help and exit\n"
              "\n"
              "Environment: QUILLMARK_HOME (data folder), QUILLMARK_UPDATE_URL (version file address),\n"
              "QUILLMARK_TODAY (YYYY-MM-DD, the date the program takes for today).");
}

// The PDF mode needs no screen: Qt's offscreen platform stands in for one.
int RunPdfCommand(int argc, char** argv, const PdfArguments& arguments) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepQtNotesOffStderr();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    return RunPdfMode({QString::fromLocal8Bit(arguments.pdfFile.c_str()),
                       arguments.planFile ? QString::fromLocal8Bit(arguments.planFile->c_str()) : QString()});
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
