// The program: the command line, then the planner window.
#include "app/shell/startup.h"
#include "app/text/cp1252.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

namespace {

void PrintUsage() {
    std::puts("Usage: quillmark [--pdf FILE [--plan PLAN]] [--help] [--version]\n"
              "\n"
              "Without options, opens the planner window.\n"
              "  --pdf FILE    print the yearly proposal of the remembered plan to FILE (a PDF) and exit\n"
              "  --plan PLAN   with --pdf: read the plan from the [Info] section of PLAN instead\n"
              "  --version     print the program's version and exit\n"
              "  --help        print this help and exit\n"
              "\n"
              "Environment: QUILLMARK_HOME (data folder), QUILLMARK_UPDATE_URL (version file address),\n"
              "QUILLMARK_TODAY (YYYY-MM-DD, the date the program takes for today).");
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ez/AAPROGRAM.png")));
    std::string commandLine;
    for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    return WINMAIN(0, 0, commandLine, 1);
}
