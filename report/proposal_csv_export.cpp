// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal_csv_export.h"

#include "app/shell/planner_ids.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "report/planner_proposal.h"
#include "report/print_readiness.h"
#include "report/proposal_csv.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

using namespace qm;

namespace {
constexpr const char* kNoticeTitle = "Monthly Table Not Exported";
} // namespace

FileResult WriteProposalCsv(const ProposalInputs& inputs, const QString& path) {
    return WriteFileAtomically(path, ProposalCsv(inputs));
}

void ExportMonthlyTable() {
    // The table holds the printed page's figures, so it is offered for the plans Print takes.
    const auto refusal = WhyPlannerCannotPrint();
    if (refusal) {
        ShowNotice(kNoticeTitle, "The plan cannot be exported yet: " + *refusal + ".",
                   "Complete the plan as for printing, then try again.");
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Export Monthly Table"),
                       QDir(folder).filePath(QStringLiteral("Monthly Table.csv")),
                       QStringLiteral("CSV files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const FileResult written = WriteProposalCsv(ReadPlannerProposal(), dialog.selectedFiles().constFirst());
    if (written) return;
    // The path is the user's own text and may hold the notice's markup characters: it is left out.
    ShowNotice(kNoticeTitle, "The monthly table could not be written: " + written.reason + ".",
               "Any file of that name is unchanged. Check that the folder exists, can be written and has "
               "room, then try again.");
}
