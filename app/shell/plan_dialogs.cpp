// SPDX-License-Identifier: GPL-3.0-or-later
// The plan dialogs are the desktop's own, outside the form toolkit like the print preview.
#include "app/shell/plan_dialogs.h"

#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "plan/plan_file.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

struct Dialogs {
    PlanDialog open;
    PlanDialog saveAs;
};
Dialogs& TestDialogs() {
    static Dialogs dialogs;
    return dialogs;
}

QString Filter() {
    return QStringLiteral("Quillmark plans (*.%1);;All files (*)").arg(QLatin1String(kPlanFileSuffix));
}

} // namespace

std::string PlansFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           QStringLiteral("/Quillmark Plans");
    QDir().mkpath(folder);
    return ToCp1252(folder);
}

std::string AskPlanToOpen() {
    if (TestDialogs().open) return TestDialogs().open(PlansFolder(), "");
    const QString file = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QStringLiteral("Open Plan"), FromCp1252(PlansFolder()), Filter());
    return ToCp1252(file);
}

std::string AskPlanToSaveAs(const std::string& suggestedName) {
    std::string file;
    if (TestDialogs().saveAs) {
        file = TestDialogs().saveAs(PlansFolder(), suggestedName);
    } else {
        // The suffix is added by the dialog, so that its question before replacing a file covers it.
        QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Save Plan As"),
                           FromCp1252(PlansFolder()) + QLatin1Char('/') + FromCp1252(suggestedName),
                           Filter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QLatin1String(kPlanFileSuffix));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            file = ToCp1252(dialog.selectedFiles().constFirst());
    }
    if (!file.empty() && QFileInfo(FromCp1252(file)).suffix().isEmpty())
        file += std::string(".") + kPlanFileSuffix;
    return file;
}

void SetPlanDialogsForTesting(PlanDialog open, PlanDialog saveAs) {
    TestDialogs() = {std::move(open), std::move(saveAs)};
}
