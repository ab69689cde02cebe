// The clean-up after an update: the downloaded installer and the updater program are deleted from
// the data folder. Deletion failures are absorbed: a locked installer keeps its "Install" key and is
// tried again at the next start.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "update/plain_file_name.h"
#include "update/post_update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Native(const std::string& path) {
    return FromCp1252(path);
}

// Only a file directly inside the data folder is the program's to delete; "Install" in a settings
// file copied or edited by hand may name anything.
bool InsideDataFolder(const QString& path) {
    const QFileInfo file(path);
    return IsPlainFileName(ToCp1252(file.fileName())) &&
           QDir::cleanPath(file.absolutePath()) == QDir::cleanPath(Native(Paths().dataFolder));
}

void DeleteInstaller() {
    const std::string& settings = Paths().settingsFile;
    const QString installer = Native(GETINI(settings, "Update", "Install", ""));
    if (installer.isEmpty() || !QFileInfo(installer).isFile() || !InsideDataFolder(installer)) return;
    if (!QFile::remove(installer)) return;
    EZ_DOEVENTS(20);
    if (!QFileInfo::exists(installer)) PutIni(settings, "Update", "Install", "");
}

void DeleteUpdaterProgram() {
    const QString updater = Native(Paths().dataFolder + kUpdaterProgramFile);
    if (QFileInfo::exists(updater)) QFile::remove(updater);
}

} // namespace

void CleanUpAfterUpdate() {
    DeleteInstaller();
    DeleteUpdaterProgram();
}
