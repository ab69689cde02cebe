// SPDX-License-Identifier: GPL-3.0-or-later
// quillmark --pdf timed: the whole program started for one proposal, and the PDF mode run 1 and
// 100 times in one process (the planner set up, the plan read, the page drawn and written each
// time). The plan is the "Florists" profile over a data folder of its own.
#include "report/pdf_mode.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const char kPlan[] = "[Options]\r\nCurrency=0\r\n[Info]\r\nClient=Bloom & Petal\r\nStation=WQMK 101.5\r\n"
                     "Salesrep=Pat Ortega\r\nPresentDate=2458428\r\nStartMonth=November\r\nYear=2458428\r\n"
                     "Budget=12000.00\r\nRate=50.00\r\nProfile=Florists\r\nOpportunity=10\r\nMaxValue=90\r\n"
                     "CurrValue=65\r\n";

// A data folder holding the plan in its QMK.ini (Categories.dat is made by the first run).
struct PlanFolder {
    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("proposal.pdf"));

    PlanFolder() {
        QFile settings(folder.filePath(QStringLiteral("QMK.ini")));
        if (settings.open(QIODevice::WriteOnly)) settings.write(kPlan);
        qputenv("QUILLMARK_HOME", folder.path().toLocal8Bit());
    }
};

void BM_PdfCommand(benchmark::State& state) {
    PlanFolder plan;
    for (auto _ : state) {
        QProcess program;
        program.start(QStringLiteral(QUILLMARK_PROGRAM), {QStringLiteral("--pdf"), plan.pdf});
        if (!program.waitForFinished(60000) || program.exitCode() != 0)
            state.SkipWithError("quillmark --pdf failed");
    }
}

void BM_PdfModeInProcess(benchmark::State& state) {
    PlanFolder plan;
    const int proposals = static_cast<int>(state.range(0));
    for (auto _ : state)
        for (int i = 0; i < proposals; ++i)
            if (RunPdfMode({plan.pdf, QString(), {}, QString()}) != 0) state.SkipWithError("the PDF mode failed");
    state.SetItemsProcessed(state.iterations() * proposals);
}

BENCHMARK(BM_PdfCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfModeInProcess)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepQtNotesOffStderr();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
