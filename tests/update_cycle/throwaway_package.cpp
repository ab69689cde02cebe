// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/update_cycle/throwaway_package.h"

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {
constexpr int kCommandLimitMs = 180000;
}

int RunCommand(const std::string& program, const std::vector<std::string>& arguments, std::string& output) {
    QProcess process;
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DEBIAN_FRONTEND"), QStringLiteral("noninteractive"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(program), list);
    if (!process.waitForStarted(kCommandLimitMs) || !process.waitForFinished(kCommandLimitMs)) {
        process.kill();
        process.waitForFinished(5000);
        output += process.readAll().toStdString();
        return -1;
    }
    output += process.readAll().toStdString();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

ThrowawayPackage::ThrowawayPackage() {
    std::random_device random;
    std::ostringstream name;
    name << "quillmark-cycle-" << std::hex << random() << random();
    name_ = name.str();
    prefix_ = "/opt/" + name_;
}

ThrowawayPackage::~ThrowawayPackage() {
    if (!installed_) return;
    std::string output;
    RunCommand("dpkg", {"--purge", name_}, output);
    std::error_code ignored;
    fs::remove_all(prefix_, ignored);
}

std::string ThrowawayPackage::build(const std::string& version, std::string& why) const {
    const fs::path root = folder_.path() / ("root-" + version);
    const fs::path bin = root / prefix_.substr(1) / "bin";
    const fs::path share = root / prefix_.substr(1) / "share" / "quillmark";
    std::error_code error;
    fs::create_directories(root / "DEBIAN", error);
    fs::create_directories(bin, error);
    fs::create_directories(share, error);
    fs::copy_file(QM_PROGRAM, bin / "quillmark", fs::copy_options::overwrite_existing, error);
    fs::copy_file(QM_UPDATER, bin / "quillmark-updater", fs::copy_options::overwrite_existing, error);
    fs::copy_file(std::string(QM_ASSETS) + "/History.rtf", share / "History.rtf",
                  fs::copy_options::overwrite_existing, error);
    if (error) {
        why = "cannot lay out the package: " + error.message();
        return {};
    }
    std::ofstream(share / version) << version;
    std::ofstream(root / "DEBIAN" / "control")
        << "Package: " << name_ << "\nVersion: " << version
        << "\nArchitecture: all\nMaintainer: Quillmark tests "
           "<tests@quillmark.invalid>\nDescription: throwaway package of "
           "an update test\n";
    const std::string deb = (folder_.path() / (name_ + "_" + version + "_all.deb")).string();
    std::string output;
    if (RunCommand("dpkg-deb", {"--build", "--root-owner-group", root.string(), deb}, output) != 0) {
        why = "dpkg-deb failed: " + output;
        return {};
    }
    return deb;
}

bool ThrowawayPackage::install(const std::string& debFile, std::string& why) {
    std::string output;
    installed_ = true; // a half-installed package is purged too
    if (RunCommand("dpkg", {"-i", debFile}, output) == 0) return true;
    why = "dpkg -i failed: " + output;
    return false;
}

std::string ThrowawayPackage::installedVersion() const {
    std::string output;
    if (RunCommand("dpkg-query", {"-W", "-f=${Version}", name_}, output) != 0) return {};
    return output;
}
