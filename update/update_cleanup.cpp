// SPDX-License-Identifier: GPL-3.0-or-later
// The clean-up after an update: the downloaded installer and the updater program are deleted from
// the data folder. Deletion failures are absorbed: a locked installer keeps its "Install" key and is
// tried again at the next start.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "update/installer_name.h"
#include "update/post_update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

QString Native(const std::string& path) {
    return FromCp1252(path);
}

// A regular file itself, never what a link names.
bool IsRegularFile(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// Only an installer this program downloaded is its to delete: one of our installer names, directly
// in the data folder. "Install" in a settings file copied or edited by hand may name anything.
bool IsOurInstaller(const QString& path) {
    const QFileInfo file(path);
    return file.isAbsolute() && IsOwnInstallerName(ToCp1252(file.fileName())) &&
           QDir::cleanPath(file.absolutePath()) == QDir::cleanPath(Native(Paths().dataFolder)) &&
           IsRegularFile(path);
}

void DeleteInstaller() {
    const std::string& settings = Paths().settingsFile;
    const QString installer = Native(GETINI(settings, "Update", "Install", ""));
    if (installer.isEmpty() || !IsOurInstaller(installer)) return;
    if (!QFile::remove(installer)) return;
    EZ_DOEVENTS(20);
    if (!QFileInfo::exists(installer)) PutIni(settings, "Update", "Install", "");
}

void DeleteUpdaterProgram() {
    const QString updater = Native(Paths().dataFolder + kUpdaterProgramFile);
    if (IsRegularFile(updater)) QFile::remove(updater);
}

} // namespace

void CleanUpAfterUpdate() {
    DeleteInstaller();
    DeleteUpdaterProgram();
}
