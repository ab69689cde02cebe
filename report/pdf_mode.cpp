// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pdf_mode.h"

#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/plan_window.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "plan/client_info.h"
#include "plan/planner_fields.h"
#include "plan/planner_profiles.h"
#include "prefs/options.h"
#include "report/page_layer.h"
#include "report/page_render.h"
#include "report/plan_proposal.h"
#include "report/planner_proposal.h"
#include "report/print_readiness.h"
#include "report/proposal.h"
#include "report/station_for_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <set>

using namespace qm;

namespace {

// The planner form only holds the plan's texts here: it never starts (which would run the
// update check), and its close event, which stores the client and the window's placement in the
// data folder, is not raised.
void PdfModeEvents(const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    if (form == kForm && id == 0 && (message == kEzStarted || message == kEzClose)) return;
    EventDispatch(form, id, message, value, cancel);
}

// The planner window for the whole run, set up once (the options, the profiles) and unloaded on
// every way out; each plan is shown on it in turn.
struct HiddenPlanner {
    HiddenPlanner() { ShowPlanner(""); }
    ~HiddenPlanner() { EZ_UNLOADFORM(kForm); }
    HiddenPlanner(const HiddenPlanner&) = delete;
    HiddenPlanner& operator=(const HiddenPlanner&) = delete;
};

// Fills the planner's fields from the [Info] section of a settings file as the window does at
// start when it remembers the client, with the profiles already loaded.
void ShowInfoSectionOnPlanner(const std::string& file) {
    ShowClientInfo(
        [&file](const char* key, const char* fallback) { return GETINI(file, "Info", key, fallback); });
    ShowProfileMonths();
    RecalcProfileTotal();
    ShowPlanRatios();
}

// A profile that the plan names but the store lacks would leave the months empty; it is told as
// what it is rather than as months that do not add up.
std::optional<std::string> MissingProfile(const std::string& name) {
    if (name.empty() || EZ_FINDNEXT(kForm, kProfile, name, 0) >= 0) return std::nullopt;
    return "the profile \"" + name + "\" is not among the Business Profiles of " + ProfileFilePath();
}

// The proposal in the PDF file; the reason when it could not be written.
FileResult WriteProposal(const ProposalInputs& inputs, const QString& pdfFile, const StationOnPage& station) {
    FileResult written = FileResult::Failed("the proposal was not drawn");
    SetPageSink([&](const PageRecord& page) {
        written = WriteProposalPdf(page, pdfFile);
        return written.ok;
    });
    const bool built = BuildProposal(inputs, station);
    SetPageSink({});
    if (!built && written) return FileResult::Failed("the proposal was not drawn");
    return written;
}

QString Failure(const QString& what, const std::string& why) {
    return what + QStringLiteral(": ") + FromCp1252(why);
}

// The station's details of the data folder, for every page of the run. A logo that cannot be
// read is left out with a warning; the pages are still written.
StationOnPage StationForRun() {
    StationForPage station = LoadStationForPage(Paths().settingsFile);
    if (!station.logoProblem.empty())
        std::fprintf(stderr, "quillmark: warning: %s\n",
                     FromCp1252(LogoLeftOutLine(station)).toLocal8Bit().constData());
    return std::move(station.page);
}

// --pdf FILE [--plan PLAN]: empty when the PDF was written; otherwise what went wrong.
QString ExportInfoSection(const PdfRequest& request) {
    const bool planGiven = !request.planFile.isEmpty();
    const QString planFile = planGiven ? request.planFile : FromCp1252(Paths().settingsFile);
    if (planGiven && !(QFileInfo(planFile).isFile() && QFileInfo(planFile).isReadable()))
        return QStringLiteral("cannot read the plan file ") + planFile;
    ShowInfoSectionOnPlanner(ToCp1252(planFile));
    // Profiles that could not be read are never stood in for by the built-in ones on a page.
    auto refusal = WhyProfilesUnread();
    if (!refusal) refusal = MissingProfile(GETINI(ToCp1252(planFile), "Info", "Profile", ""));
    if (!refusal) refusal = WhyPlannerCannotPrint();
    if (refusal) return Failure(QStringLiteral("cannot print the plan in ") + planFile, *refusal);
    const FileResult written = request.writeInstead
                                   ? request.writeInstead(ReadPlannerProposal(), request.pdfFile)
                                   : WriteProposal(ReadPlannerProposal(), request.pdfFile, StationForRun());
    if (!written) return Failure(QStringLiteral("cannot write ") + request.pdfFile, written.reason);
    return {};
}

// A plan file to a PDF: empty when it was written; otherwise what went wrong. The plan carries
// everything the page needs, so no window is built: the page reads what the planner would show
// once it had opened the plan.
QString ExportPlanFile(const QString& planFile, const QString& pdfFile, const StationOnPage& station) {
    const PlanRead read = ReadPlanFile(planFile);
    if (!read.plan) return Failure(QStringLiteral("cannot print the plan ") + planFile, read.reason);
    const ProposalInputs inputs = ProposalOfPlan(*read.plan, OptionOn(kMonoChart));
    // The plan file's percentages total 100, so the total shows "100.0".
    if (auto refusal =
            WhyNotPrintable({inputs.client, inputs.station, inputs.salesrep, inputs.budget, "100.0"}))
        return Failure(QStringLiteral("cannot print the plan ") + planFile, *refusal);
    if (const FileResult written = WriteProposal(inputs, pdfFile, station); !written)
        return Failure(QStringLiteral("cannot write ") + pdfFile + QStringLiteral(" for the plan ") +
                           planFile,
                       written.reason);
    return {};
}

// The folder of a batch, made when missing; empty when it can be written to.
QString PrepareFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists() && !QDir().mkpath(folder)) return QStringLiteral("cannot make the folder ") + folder;
    const QFileInfo made(folder);
    if (!made.isDir())
        return QStringLiteral("cannot write into ") + folder + QStringLiteral(": it is not a folder");
    if (!made.isWritable())
        return QStringLiteral("cannot write into the folder ") + folder +
               QStringLiteral(": permission denied");
    return {};
}

// Every failure, one line each; empty when all went well.
QStringList Export(const PdfRequest& request) {
    ComputePaths(EZ_APPPATH());
    if (!request.pdfFolder.isEmpty())
        if (const QString problem = PrepareFolder(request.pdfFolder); !problem.isEmpty()) return {problem};
    if (request.plans.isEmpty()) {
        const HiddenPlanner planner;
        const QString failure = ExportInfoSection(request);
        return failure.isEmpty() ? QStringList() : QStringList{failure};
    }
    LoadPreferences(Paths().settingsFile);
    const StationOnPage station = StationForRun();
    if (request.pdfFolder.isEmpty()) {
        const QString failure = ExportPlanFile(request.plans.constFirst(), request.pdfFile, station);
        return failure.isEmpty() ? QStringList() : QStringList{failure};
    }
    QStringList failures;
    std::set<QString> pdfs;
    for (const QString& plan : request.plans) {
        const QString pdf =
            QDir(request.pdfFolder).filePath(QFileInfo(plan).completeBaseName() + QStringLiteral(".pdf"));
        if (!pdfs.insert(pdf).second) {
            failures << QStringLiteral("cannot print the plan ") + plan +
                            QStringLiteral(": another plan of this batch already goes to ") + pdf;
            continue;
        }
        if (const QString failure = ExportPlanFile(plan, pdf, station); !failure.isEmpty())
            failures << failure;
    }
    return failures;
}

} // namespace

void KeepQtNotesOffStderr() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type != QtCriticalMsg && type != QtFatalMsg) return;
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
    });
}

int RunPdfMode(const PdfRequest& request) {
    QStringList failures{QStringLiteral("the planner could not be set up")};
    if (!request.plans.isEmpty())
        failures = Export(request); // plan files need no window
    else
        EZ_GUIRUN(
            0, 0, "", 0, [&](int32_t) { failures = Export(request); }, PdfModeEvents, DesignDispatch, 0);
    // The unloaded planner's widgets are freed by deferred deletes, which no loop runs any more.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QString& failure : failures)
        std::fprintf(stderr, "quillmark: %s\n", failure.toLocal8Bit().constData());
    return failures.isEmpty() ? 0 : 1;
}
