// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal_mail.h"

#include "app/shell/planner_ids.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "report/page_layer.h"
#include "report/page_render.h"
#include "report/planner_proposal.h"
#include "report/print_preview.h"
#include "report/print_readiness.h"
#include "report/proposal.h"
#include "report/proposal_figures.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

using namespace qm;

namespace {

constexpr const char* kMailProgram = "xdg-email";
// xdg-email's answers when there is nothing to hand the message to: a required tool is missing
// (3) or the mail program could not be started (4).
constexpr int kNoToolFound = 3, kActionFailed = 4;
// How long the command waits for the helper. Some mail programs keep it until their window
// closes; past this the message is taken as opened and the helper is left to finish on its own.
constexpr int kHandOffWaitMs = 10000;

constexpr const char* kNoticeTitle = "Proposal Not Sent";

std::optional<PageRecord> RecordPlannerProposal(bool& drawn) {
    std::optional<PageRecord> recorded;
    const PageSink previous = SetPageSink([&](const PageRecord& page) {
        recorded = page;
        return true;
    });
    drawn = BuildProposal(ReadPlannerProposal(), StationForPrinting());
    SetPageSink(previous);
    return recorded;
}

// Runs the helper; empty when the mail program took the message, the reason otherwise.
std::optional<std::string> RunMailHelper(const QStringList& arguments) {
    auto* helper = new QProcess(qApp);
    QObject::connect(helper, &QProcess::finished, helper, &QObject::deleteLater);
    helper->start(QString::fromLatin1(kMailProgram), arguments);
    if (!helper->waitForStarted()) {
        helper->deleteLater();
        return std::string("the desktop's mail helper ") + kMailProgram + " is not installed";
    }
    if (!helper->waitForFinished(kHandOffWaitMs)) return std::nullopt;
    if (helper->exitStatus() == QProcess::NormalExit && helper->exitCode() == 0) return std::nullopt;
    const int code = helper->exitCode();
    if (code == kNoToolFound || code == kActionFailed) return std::string("no mail program is set up");
    return std::string("the mail program could not be opened (") + kMailProgram + " answered " +
           std::to_string(code) + ")";
}

} // namespace

QStringList MailArguments(const QString& subject, const QString& pdfFile) {
    return {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject, QStringLiteral("--attach"),
            pdfFile};
}

MailHandOff HandProposalToMail(const PageRecord& page, const QString& subject, std::string& reason) {
    // A folder of its own (mode 0700) that outlives the command: the mail program reads the
    // attachment when it gets to it, which may be after the helper has returned.
    QTemporaryDir folder(QDir(QDir::tempPath()).filePath(QStringLiteral("quillmark-mail-XXXXXX")));
    if (!folder.isValid()) {
        reason = "no private temporary folder could be made: " + folder.errorString().toStdString();
        return MailHandOff::Failed;
    }
    folder.setAutoRemove(false);
    const QString pdf = folder.filePath(QStringLiteral("Yearly Proposal.pdf"));
    if (const FileResult written = WriteProposalPdf(page, pdf); !written) {
        reason = "the PDF could not be written: " + written.reason;
        QDir(folder.path()).removeRecursively();
        return MailHandOff::Failed;
    }
    if (const auto refused = RunMailHelper(MailArguments(subject, pdf))) {
        reason = *refused;
        QDir(folder.path()).removeRecursively();
        return MailHandOff::NoProgram;
    }
    return MailHandOff::Opened;
}

void SendProposalByEmail() {
    const auto refusal = WhyPlannerCannotPrint();
    if (refusal) {
        ShowNotice(kNoticeTitle, "The plan cannot be sent yet: " + *refusal + ".",
                   "Complete the plan as for printing, then try again.");
        return;
    }
    bool drawn = false;
    const std::optional<PageRecord> page = RecordPlannerProposal(drawn);
    if (!drawn || !page) {
        ShowNotice(kPrinterErrorTitle, kPrinterErrorText1, kPrinterErrorText2);
        return;
    }
    const ProposalFigures figures = DeriveFigures(ReadPlannerProposal());
    const QString subject = QStringLiteral("Yearly Proposal for ") + FromCp1252(figures.client);
    std::string reason;
    switch (HandProposalToMail(*page, subject, reason)) {
    case MailHandOff::Opened:
        return;
    case MailHandOff::Failed:
        ShowNotice(kNoticeTitle, "The proposal could not be prepared for e-mail: " + reason + ".",
                   "Check that the temporary folder has room, then try again.");
        return;
    case MailHandOff::NoProgram:
        if (ASKUSER("No Mail Program", "The proposal could not be handed to a mail program: " + reason + ".",
                    "Save it as a PDF instead, to attach it yourself?", "", "&Save as PDF...|&Cancel",
                    1) == 1) {
            PrintPreviewWindow preview(*page, QApplication::activeWindow());
            preview.saveAsPdf();
        }
        return;
    }
}
