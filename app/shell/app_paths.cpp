// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/app_paths.h"
#include "app/text/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

std::string withSlash(const QString& folder) {
    QString f = QDir::cleanPath(folder);
    if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
    return ToCp1252(f);
}

bool holdsAssets(const QString& folder) {
    return QFileInfo::exists(folder + QStringLiteral("/History.rtf")) ||
           QFileInfo::exists(folder + QStringLiteral("/Help"));
}

} // namespace

AppPaths& Paths() {
    static AppPaths paths;
    return paths;
}

std::string LongPathName(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

void ComputePaths(const std::string& programFolderText) {
    AppPaths& p = Paths();
    const QString program = FromCp1252(LongPathName(programFolderText));
    p.programFolder = withSlash(program);

    const QString installedShare = program + QStringLiteral("/../share/quillmark");
    const QString assets = holdsAssets(program)          ? program
                           : holdsAssets(installedShare) ? installedShare
                                                         : program;
    p.assetsFolder = withSlash(assets);

    QString data = qEnvironmentVariable("QUILLMARK_HOME");
    if (data.isEmpty()) {
        const bool portable = holdsAssets(program) && QFileInfo(program).isWritable();
        data = portable ? program
                        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                              QStringLiteral("/Quillmark");
    }
    QDir().mkpath(data);
    p.dataFolder = withSlash(data);
    p.settingsFile = p.dataFolder + "QMK.ini";
    p.helpFile = p.assetsFolder + "Help/index.html";
    if (p.helpFile.size() > 259) p.helpFile.resize(259); // the fixed buffer the path always had
    p.version = std::string("3.0") + "." + "0.0";
}
