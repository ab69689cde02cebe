// SPDX-License-Identifier: GPL-3.0-or-later
// The logo's file dialog is the desktop's own, outside the form toolkit like the plan dialogs.
#include "prefs/station_logo_chooser.h"

#include "app/text/cp1252.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

LogoChooser& TestChooser() {
    static LogoChooser chooser;
    return chooser;
}

QString StartFolder(const std::string& current) {
    const QFileInfo logo(FromCp1252(current));
    if (!current.empty() && logo.absoluteDir().exists()) return logo.absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace

std::string AskLogoFile(const std::string& current) {
    const QString folder = StartFolder(current);
    if (TestChooser()) return TestChooser()(ToCp1252(folder));
    const QString file = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QStringLiteral("Choose the Station's Logo"), folder,
        QStringLiteral("Pictures (*.png *.jpg *.jpeg *.svg);;All files (*)"));
    return ToCp1252(file);
}

void SetLogoChooserForTesting(LogoChooser chooser) {
    TestChooser() = std::move(chooser);
}
