// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through a real print queue: a private CUPS scheduler with a cups-pdf printer, set up
// by cups/start_cupsd.sh. The proposal goes to it through the program's own printing (as the
// preview's Print does) and as the PDF file the program writes, sent with lp; the queue's PDFs
// are found and compared with the page sent. Skipped, with the reason, only when the scheduler cannot run on
// this machine.
#include "report/page_render.h"
#include "tests/report/pdf_text.h"
#include "tests/report/proposal_fixture.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

// The scheduler for the whole suite.
struct PrintQueue {
    TempFolder folder;
    QString queue = QStringLiteral("quillmark-test-%1").arg(QCoreApplication::applicationPid());
    QString skipReason; // set when the scheduler cannot run here
    QString failure;    // set when the set-up broke
    qint64 cupsdPid = 0;

    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }

    PrintQueue() {
        QProcess setUp;
        setUp.setProcessChannelMode(QProcess::SeparateChannels);
        setUp.start(QStringLiteral("bash"), {qEnvironmentVariable("QUILLMARK_SOURCE_DIR") +
                                                 QStringLiteral("/tests/report/cups/start_cupsd.sh"),
                                             QString::fromStdString(folder.path().string()), queue});
        setUp.waitForFinished(600000);
        const QString said = QString::fromLocal8Bit(setUp.readAllStandardOutput()).trimmed();
        if (setUp.exitCode() == 77)
            skipReason = said;
        else if (setUp.exitStatus() != QProcess::NormalExit || setUp.exitCode() != 0)
            failure = said + QString::fromLocal8Bit(setUp.readAllStandardError());
        QFile pid(path("cupsd.pid"));
        if (pid.open(QIODevice::ReadOnly)) cupsdPid = pid.readAll().trimmed().toLongLong();
        // libcups (and through it Qt's printer support) asks the scheduler named here.
        qputenv("CUPS_SERVER", path("cups.sock").toLocal8Bit());
    }

    ~PrintQueue() {
        if (cupsdPid > 0) ::kill(static_cast<pid_t>(cupsdPid), SIGTERM);
        QDeadlineTimer gone(10000);
        while (cupsdPid > 0 && ::kill(static_cast<pid_t>(cupsdPid), 0) == 0 && !gone.hasExpired())
            QThread::msleep(50);
        QFile::remove(QStringLiteral("/etc/cups/cups-pdf-") + queue + QStringLiteral(".conf"));
    }

    // The first PDF that cups-pdf writes from now on, waited for up to a minute.
    QString nextPrintedPdf(const QStringList& before) const {
        const QDir out(path("out"));
        for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
            for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files))
                if (!before.contains(name)) {
                    QThread::msleep(500); // the backend writes the file, then closes it
                    return out.filePath(name);
                }
        }
        return {};
    }
    QStringList printedSoFar() const {
        return QDir(path("out")).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }
    std::string schedulerLog() const {
        QFile log(path("log/error_log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll().right(2000).toStdString() : std::string();
    }
};

class PrintThroughCups : public ::testing::Test {
  protected:
    static inline std::unique_ptr<PrintQueue> queue;
    static void SetUpTestSuite() { queue = std::make_unique<PrintQueue>(); }
    static void TearDownTestSuite() { queue.reset(); }

    void SetUp() override {
        if (!queue->skipReason.isEmpty())
            GTEST_SKIP() << "cupsd cannot run here: " << queue->skipReason.toStdString();
        ASSERT_TRUE(queue->failure.isEmpty()) << queue->failure.toStdString();
    }

    // The queue's PDF shows the page that was sent. Its text cannot be read back (the queue
    // turns it into PostScript and the fonts lose their letters on the way), so the two pages
    // are compared as pictures: alike within the redrawing's blur, and far from a blank sheet.
    static void expectPrinted(const QString& printed, const QString& sent) {
        ASSERT_FALSE(printed.isEmpty()) << "the queue put out no PDF\n" << queue->schedulerLog();
        EXPECT_EQ(PdfInfo(printed), "Pages:           1\nPage size:       612 x 792 pts (letter)\n");
        const QImage printedPage = PdfPicture(printed, 30);
        const QImage sentPage = PdfPicture(sent, 30);
        QImage blank(sentPage.size(), QImage::Format_Grayscale8);
        blank.fill(Qt::white);
        ASSERT_GT(MeanDifference(sentPage, blank), 40.0); // the proposal's bars and texts
        EXPECT_LT(MeanDifference(printedPage, sentPage), 10.0);
    }
};

TEST_F(PrintThroughCups, TheProgramsPrintingReachesTheQueue) {
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(queue->queue));
    const PageRecord page = RecordProposal(FloristsPlan());
    const QString sent = queue->path("sent.pdf");
    ASSERT_TRUE(WriteProposalPdf(page, sent));
    const QStringList before = queue->printedSoFar();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue->queue);
    ASSERT_TRUE(PrintPageOn(printer, page));
    expectPrinted(queue->nextPrintedPdf(before), sent);
}

// Runs a CUPS administration command against the private scheduler.
void Admin(const char* command, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromLatin1(command), arguments);
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << command << ": " << process.readAllStandardError().toStdString();
}

TEST_F(PrintThroughCups, AJobThePrintSystemWillNotPrintIsToldWithItsReason) {
    // A second queue of the same printer, removed after it was chosen: a printer that is gone.
    const QString q = queue->queue;
    const QString gone = q + QStringLiteral("-gone");
    Admin("lpadmin", {QStringLiteral("-p"), gone, QStringLiteral("-v"), QStringLiteral("cups-pdf:/") + q,
                      QStringLiteral("-P"), QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"),
                      QStringLiteral("-E")});
    const struct {
        const char* what;
        QString printerName;
        const char* stop;    // the command that makes the queue refuse or hold jobs (or removes it)
        const char* restart; // the command that undoes it
        const char* reason;  // what the print system's reason must say
    } cases[] = {
        {"a queue that rejects jobs", q, "cupsreject", "cupsaccept", "not accepting jobs"},
        {"a stopped printer", q, "cupsdisable", "cupsenable", "stopped"},
        {"a printer that is gone", gone, nullptr, nullptr, "does not know"},
    };
    const PageRecord page = RecordProposal(FloristsPlan());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(c.printerName); // chosen while the printer is there
        ASSERT_EQ(printer.printerName(), c.printerName);
        if (c.stop)
            Admin(c.stop, {c.printerName});
        else
            Admin("lpadmin", {QStringLiteral("-x"), c.printerName});
        const PrintResult printed = PrintPageOn(printer, page);
        if (c.restart) Admin(c.restart, {c.printerName});
        EXPECT_FALSE(printed.ok);
        EXPECT_NE(printed.reason.find(c.reason), std::string::npos) << printed.reason;
    }
    // A held job would print once the printer is started again; none of them may reach paper late.
    QProcess cancel;
    cancel.start(QStringLiteral("cancel"), {QStringLiteral("-a"), q});
    cancel.waitForFinished(30000);
}

TEST_F(PrintThroughCups, TheWrittenPdfPrintsWithLp) {
    const QString pdf = queue->path("proposal.pdf");
    ASSERT_TRUE(WriteProposalPdf(RecordProposal(FloristsPlan()), pdf));
    const QStringList before = queue->printedSoFar();
    QProcess lp;
    lp.start(QStringLiteral("lp"),
             {QStringLiteral("-d"), queue->queue, QStringLiteral("-o"), QStringLiteral("media=Letter"), pdf});
    ASSERT_TRUE(lp.waitForFinished(30000));
    ASSERT_EQ(lp.exitCode(), 0) << lp.readAllStandardError().toStdString();
    expectPrinted(queue->nextPrintedPdf(before), pdf);
}

} // namespace
