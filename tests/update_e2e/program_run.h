// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built program run as a user runs it, for the end-to-end tests: a process with an environment
// of its own (data folder, date, version file address), and a virtual X display with a keyboard.
#include "tests/support/temp_folder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

constexpr int kStartUpLimitMs = 20000;
constexpr int kStopLimitMs = 5000;

inline bool WaitFor(const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limitMs) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

// One run of the program. Its single-instance guard lives in a folder of its own, so that a copy
// started by someone else on the machine does not turn this one away.
class ProgramRun {
  public:
    ProgramRun(const TempFolder& data, const std::string& today, const std::string& versionAddress,
               const QStringList& arguments, const std::string& display = "",
               const std::string& program = QM_PROGRAM,
               const std::vector<std::pair<std::string, std::string>>& extra = {}) {
        std::filesystem::permissions(runtime_.path(), std::filesystem::perms::owner_all);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* proxy :
             {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            environment.remove(QString::fromLatin1(proxy));
        if (display.empty()) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
        }
        environment.insert(QStringLiteral("QUILLMARK_HOME"), QString::fromStdString(data.path().string()));
        environment.insert(QStringLiteral("QUILLMARK_TODAY"), QString::fromStdString(today));
        environment.insert(QStringLiteral("QUILLMARK_UPDATE_URL"), QString::fromStdString(versionAddress));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           QString::fromStdString(runtime_.path().string()));
        environment.insert(QStringLiteral("TMPDIR"), QString::fromStdString(runtime_.path().string()));
        // The extra variables go in before the environment is handed to the process: a copy
        // taken earlier would start the program without them.
        for (const auto& [name, value] : extra)
            environment.insert(QString::fromStdString(name), QString::fromStdString(value));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QString::fromStdString(program), arguments);
        started_ = process_.waitForStarted(kStopLimitMs);
    }
    ~ProgramRun() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(kStopLimitMs)) {
            process_.kill();
            process_.waitForFinished(kStopLimitMs);
        }
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool started() const { return started_; }
    bool finished(int limitMs) { return process_.waitForFinished(limitMs); }
    int exitCode() const { return process_.exitCode(); }
    bool exitedNormally() const { return process_.exitStatus() == QProcess::NormalExit; }
    bool running() const { return process_.state() == QProcess::Running; }
    std::string output() { return process_.readAll().toStdString(); }

  private:
    TempFolder runtime_;
    QProcess process_;
    bool started_ = false;
};

// A virtual X display of the test's own, on the first free display number.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        process_.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (!process_.waitForStarted(kStopLimitMs)) return;
        WaitFor(
            [this] {
                process_.waitForReadyRead(50);
                output_ += process_.readAllStandardOutput().toStdString();
                return output_.find('\n') != std::string::npos;
            },
            kStartUpLimitMs);
        if (output_.find('\n') != std::string::npos) name_ = ":" + output_.substr(0, output_.find('\n'));
    }
    ~VirtualDisplay() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(kStopLimitMs)) process_.kill();
        process_.waitForFinished(kStopLimitMs);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or empty when the display could not be started.
    const std::string& name() const { return name_; }

    // Waits for a shown window with exactly this title and gives it the keyboard. A window found
    // before it can take the focus is tried again.
    bool focusWindow(const std::string& title, std::string& log) const {
        return WaitFor(
            [&] {
                const bool done =
                    xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--name"), QString::fromStdString("^" + title + "$"),
                             QStringLiteral("windowfocus"), QStringLiteral("--sync")},
                            log);
                if (!done) QThread::msleep(200);
                return done;
            },
            kStartUpLimitMs);
    }
    // Presses and releases the key in the window that has the keyboard, as the keyboard does.
    bool pressKey(const std::string& key, std::string& log) const {
        return xdotool({QStringLiteral("key"), QString::fromStdString(key)}, log);
    }

  private:
    bool xdotool(const QStringList& arguments, std::string& log) const {
        QProcess xdotool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(name_));
        xdotool.setProcessEnvironment(environment);
        xdotool.setProcessChannelMode(QProcess::MergedChannels);
        xdotool.start(QStringLiteral("xdotool"), arguments);
        const bool done = xdotool.waitForFinished(kStopLimitMs) && xdotool.exitCode() == 0;
        log += xdotool.readAll().toStdString();
        return done;
    }

    QProcess process_;
    std::string output_;
    std::string name_;
};

} // namespace e2e
