// SPDX-License-Identifier: GPL-3.0-or-later
// quillmark-updater: installs an update that the program has downloaded, after the program has
// ended, and starts the program again.
//
//   quillmark-updater --wait PID --program PATH --installer FILE --sha256 HEX
//     (started by the program as its last act) waits for PID to end, checks the installer, installs
//     it through the system's package installer (as root directly, otherwise through pkexec, which
//     asks for the administrator's password), then starts "PATH /update" on success and "PATH" on
//     failure, so that the program tells the outcome at once.
//   quillmark-updater --install FILE --sha256 HEX --package NAME
//     (run as root through pkexec) the installation itself; see InstallAsRoot.
#include "update/installer_name.h"
#include "updater/updater_steps.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace {
constexpr auto kProgramEndLimit = std::chrono::seconds(60);
constexpr auto kPkexecLimit = std::chrono::minutes(30);
constexpr const char* kPkexec = "/usr/bin/pkexec";

std::map<std::string, std::string> Options(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i + 1 < argc; i += 2)
        options[argv[i]] = argv[i + 1];
    return options;
}

int Refuse(const std::string& why) {
    std::fprintf(stderr, "quillmark-updater: %s\n", why.c_str());
    return 1;
}

bool IsSha256(const std::string& text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// Why the installer may not be installed for the program at `program`, or empty when it may.
std::string CheckInstaller(const std::string& program, const std::string& installer,
                           const std::string& sha256, std::string& package) {
    if (!IsSha256(sha256)) return "no published digest for the installer";
    if (!IsOwnInstallerName(QFileInfo(QString::fromStdString(installer)).fileName().toStdString()))
        return "the installer's name is not one of ours";
    if (FileSha256(installer) != sha256) return "the installer's digest differs from the published one";
    const auto owner = OwningPackage(program);
    if (!owner) return "this copy of the program was not installed from a package";
    if (DebPackageName(installer) != owner) return "the installer is not a package of " + *owner;
    package = *owner;
    return {};
}

int Install(const std::string& installer, const std::string& sha256, const std::string& package) {
    std::string why;
    if (::geteuid() == 0) {
        const int result = InstallAsRoot(installer, sha256, package, why);
        if (result != 0) Refuse(why);
        return result;
    }
    const auto done = CommandOutput(kPkexec,
                                    {QCoreApplication::applicationFilePath().toStdString(), "--install",
                                     installer, "--sha256", sha256, "--package", package},
                                    std::chrono::duration_cast<std::chrono::milliseconds>(kPkexecLimit));
    return done ? 0 : Refuse("the installation was refused or failed");
}

int Update(const std::map<std::string, std::string>& options) {
    const std::string program = options.count("--program") ? options.at("--program") : "";
    const std::string installer = options.count("--installer") ? options.at("--installer") : "";
    const std::string sha256 = options.count("--sha256") ? options.at("--sha256") : "";
    const long pid = options.count("--wait") ? std::strtol(options.at("--wait").c_str(), nullptr, 10) : 0;
    if (program.empty() || installer.empty() || pid <= 0) return Refuse("missing arguments");
    if (!WaitForProcessEnd(pid, kProgramEndLimit)) return Refuse("the program did not end");

    std::string package;
    std::string why = CheckInstaller(program, installer, sha256, package);
    const bool installed = why.empty() && Install(installer, sha256, package) == 0;
    if (!why.empty()) Refuse(why);
    // The program reports the outcome: "/update" with the version it recorded, or the failure
    // that "Failed" still holds.
    QStringList arguments;
    if (installed) arguments << QStringLiteral("/update");
    QProcess::startDetached(QString::fromStdString(program), arguments);
    return installed ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::map<std::string, std::string> options = Options(argc, argv);
    if (options.count("--install")) {
        std::string why;
        const int result =
            InstallAsRoot(options.at("--install"), options.count("--sha256") ? options.at("--sha256") : "",
                          options.count("--package") ? options.at("--package") : "", why);
        if (result != 0) Refuse(why);
        return result;
    }
    return Update(options);
}
