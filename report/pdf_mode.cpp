#include "report/pdf_mode.h"

#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "plan/planner_fields.h"
#include "plan/planner_profiles.h"
#include "prefs/options.h"
#include "report/page_layer.h"
#include "report/page_render.h"
#include "report/planner_proposal.h"
#include "report/print_readiness.h"
#include "report/proposal.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

using namespace qm;

namespace {

// The planner form only holds the plan's texts here: it never starts (which would run the
// update check), and its close event, which stores the client and the window's placement in the
// data folder, is not raised.
void PdfModeEvents(const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    if (form == kForm && id == 0 && (message == kEzStarted || message == kEzClose)) return;
    EventDispatch(form, id, message, value, cancel);
}

// The planner window for the length of one export, unloaded on every way out.
struct HiddenPlanner {
    HiddenPlanner() { ShowPlanner(""); }
    ~HiddenPlanner() { EZ_UNLOADFORM(kForm); }
    HiddenPlanner(const HiddenPlanner&) = delete;
    HiddenPlanner& operator=(const HiddenPlanner&) = delete;
};

// Fills the planner's fields from the plan as the window does at start when it remembers the
// client: InitPlannerPlan, with RestoreClientInfo reading the plan file, while the options and
// the default ratios stay those of the data folder's settings file.
void ShowPlanOnPlanner(const std::string& planFile) {
    AppPaths& paths = Paths();
    const std::string settingsFile = paths.settingsFile;
    const uint32_t options = Prefs().OptionFlags;
    paths.settingsFile = planFile;
    Prefs().OptionFlags |= kRememberClient;
    InitPlannerPlan(settingsFile, paths.dataFolder);
    Prefs().OptionFlags = options;
    paths.settingsFile = settingsFile;
}

// A profile that the plan names but the store lacks would leave the months empty; it is told as
// what it is rather than as months that do not add up.
std::optional<std::string> MissingProfile(const std::string& planFile) {
    const std::string name = GETINI(planFile, "Info", "Profile", "");
    if (name.empty() || EZ_FINDNEXT(kForm, kProfile, name, 0) >= 0) return std::nullopt;
    return "the profile \"" + name + "\" is not among the Business Profiles of " + ProfileFilePath();
}

std::optional<std::string> WhyPlannerCannotPrint(const std::string& planFile) {
    if (auto unread = WhyProfilesUnread()) return unread;
    if (auto missing = MissingProfile(planFile)) return missing;
    return WhyNotPrintable({EZ_GETTEXT(kForm, kClient), EZ_GETTEXT(kForm, kStation),
                            EZ_GETTEXT(kForm, kSalesrep), EZ_GETTEXT(kForm, kBudget),
                            EZ_GETTEXT(kForm, kTotal)});
}

// The proposal of the planner's plan in the PDF file; the reason when it could not be written.
FileResult WritePlannerProposal(const QString& pdfFile) {
    FileResult written = FileResult::Failed("the proposal was not drawn");
    SetPageSink([&](const PageRecord& page) {
        written = WriteProposalPdf(page, pdfFile);
        return written.ok;
    });
    const bool built = BuildProposal(ReadPlannerProposal());
    SetPageSink({});
    if (!built && written) return FileResult::Failed("the proposal was not drawn");
    return written;
}

// Empty when the PDF was written; otherwise what went wrong.
QString ExportProposal(const PdfRequest& request) {
    ComputePaths(EZ_APPPATH());
    const bool planGiven = !request.planFile.isEmpty();
    const QString planFile = planGiven ? request.planFile : FromCp1252(Paths().settingsFile);
    if (planGiven && !(QFileInfo(planFile).isFile() && QFileInfo(planFile).isReadable()))
        return QStringLiteral("cannot read the plan file ") + planFile;

    const HiddenPlanner planner;
    ShowPlanOnPlanner(ToCp1252(planFile));
    if (const auto refusal = WhyPlannerCannotPrint(ToCp1252(planFile)))
        return QStringLiteral("cannot print the plan in ") + planFile + QStringLiteral(": ") +
               FromCp1252(*refusal);
    const FileResult written = request.writeInstead
                                   ? request.writeInstead(ReadPlannerProposal(), request.pdfFile)
                                   : WritePlannerProposal(request.pdfFile);
    if (!written)
        return QStringLiteral("cannot write ") + request.pdfFile + QStringLiteral(": ") +
               QString::fromLocal8Bit(written.reason.c_str());
    return {};
}

} // namespace

void KeepQtNotesOffStderr() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type != QtCriticalMsg && type != QtFatalMsg) return;
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
    });
}

int RunPdfMode(const PdfRequest& request) {
    QString failure = QStringLiteral("the planner could not be set up");
    EZ_GUIRUN(
        0, 0, "", 0, [&](int32_t) { failure = ExportProposal(request); }, PdfModeEvents, DesignDispatch, 0);
    // The unloaded planner's widgets are freed by queued work.
    QCoreApplication::processEvents();
    if (failure.isEmpty()) return 0;
    std::fprintf(stderr, "quillmark: %s\n", failure.toLocal8Bit().constData());
    return 1;
}
