// SPDX-License-Identifier: GPL-3.0-or-later
#include "updater/updater_steps.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr auto kQueryLimit = std::chrono::seconds(30);
constexpr auto kInstallLimit = std::chrono::minutes(15);
constexpr const char* kAptGet = "/usr/bin/apt-get";
constexpr const char* kDpkg = "/usr/bin/dpkg";

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Copies the regular file at `from` (never through a link) to a new file `to` of mode 0644.
bool CopyRegularFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (in < 0) return false;
    struct stat info {};
    bool ok = ::fstat(in, &info) == 0 && S_ISREG(info.st_mode);
    const int out = ok ? ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644) : -1;
    ok = out >= 0;
    char block[65536];
    while (ok) {
        const ssize_t got = ::read(in, block, sizeof block);
        if (got == 0) break;
        if (got < 0) {
            ok = errno == EINTR;
            continue;
        }
        for (ssize_t at = 0; ok && at < got;) {
            const ssize_t put = ::write(out, block + at, static_cast<std::size_t>(got - at));
            ok = put > 0 || (put < 0 && errno == EINTR);
            if (put > 0) at += put;
        }
    }
    if (out >= 0) ok = ::fsync(out) == 0 && ::close(out) == 0 && ok;
    ::close(in);
    return ok;
}
} // namespace

bool WaitForProcessEnd(long pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    // Bounded by the limit; every pass sleeps.
    while (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::optional<std::string> FileSha256(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QCryptographicHash digest(QCryptographicHash::Sha256);
    char block[65536];
    bool ok = true;
    while (true) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        digest.addData(QByteArrayView(block, got));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return digest.result().toHex().toStdString();
}

std::optional<std::string> CommandOutput(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         std::chrono::milliseconds limit) {
    QProcess process;
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DEBIAN_FRONTEND"), QStringLiteral("noninteractive"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromStdString(program), list);
    if (!process.waitForStarted(static_cast<int>(kQueryLimit.count() * 1000))) return std::nullopt;
    if (!process.waitForFinished(static_cast<int>(limit.count()))) {
        process.kill();
        process.waitForFinished(5000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
    return process.readAllStandardOutput().toStdString();
}

std::optional<std::string> OwningPackage(const std::string& file) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(file, error);
    if (error) return std::nullopt;
    const auto output = CommandOutput("dpkg-query", {"-S", real.string()},
                                      std::chrono::duration_cast<std::chrono::milliseconds>(kQueryLimit));
    if (!output) return std::nullopt;
    // "package: /path", or "package:arch: /path"; several packages (diversions) are not ours to pick.
    const std::string line = Trimmed(*output);
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos || line.find('\n') != std::string::npos || line.find(',') < colon)
        return std::nullopt;
    std::string package = line.substr(0, colon);
    package = package.substr(0, package.find(':'));
    if (package.empty()) return std::nullopt;
    return package;
}

std::optional<std::string> DebPackageName(const std::string& debFile) {
    const auto output = CommandOutput("dpkg-deb", {"-f", debFile, "Package"},
                                      std::chrono::duration_cast<std::chrono::milliseconds>(kQueryLimit));
    if (!output || Trimmed(*output).empty()) return std::nullopt;
    return Trimmed(*output);
}

int InstallAsRoot(const std::string& installer, const std::string& sha256, const std::string& package,
                  std::string& why) {
    if (::geteuid() != 0) {
        why = "the installation needs the rights of root";
        return 1;
    }
    // A folder of root's own that others may read (apt-get reads the package as user _apt) but not change.
    char pattern[] = "/var/tmp/quillmark-update.XXXXXX";
    if (::mkdtemp(pattern) == nullptr || ::chmod(pattern, 0755) != 0) {
        why = "no private folder for the installer";
        return 1;
    }
    const std::filesystem::path folder = pattern;
    const std::string copy = (folder / std::filesystem::path(installer).filename()).string();
    int result = 1;
    if (!CopyRegularFile(installer, copy)) {
        why = "the installer could not be copied";
    } else if (FileSha256(copy) != sha256) {
        why = "the installer's digest differs from the published one";
    } else if (DebPackageName(copy) != package) {
        why = "the installer is not a package of " + package;
    } else {
        const bool apt = ::access(kAptGet, X_OK) == 0;
        const auto done =
            apt ? CommandOutput(kAptGet, {"install", "-y", "-q", "-o", "DPkg::Lock::Timeout=120", copy},
                                std::chrono::duration_cast<std::chrono::milliseconds>(kInstallLimit))
                : CommandOutput(kDpkg, {"-i", copy},
                                std::chrono::duration_cast<std::chrono::milliseconds>(kInstallLimit));
        result = done ? 0 : 1;
        if (!done) why = apt ? "apt-get could not install the package" : "dpkg could not install the package";
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
