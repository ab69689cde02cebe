// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/updater_launch.h"

#include "app/text/cp1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

bool StartUpdater(const std::string& installerPath, const std::string& sha256) {
    if (QCoreApplication::instance() == nullptr) return false;
    const QString updater =
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kUpdaterProgramName);
    if (!QFileInfo(updater).isExecutable()) return false;
    const QStringList arguments = {
        QStringLiteral("--wait"),      QString::number(QCoreApplication::applicationPid()),
        QStringLiteral("--program"),   QCoreApplication::applicationFilePath(),
        QStringLiteral("--installer"), FromCp1252(installerPath),
        QStringLiteral("--sha256"),    QString::fromStdString(sha256)};
    return QProcess::startDetached(updater, arguments);
}
