// SPDX-License-Identifier: GPL-3.0-or-later
#include "update_window_fixture.h"

#include "app/shell/planner.h"
#include "dates/today.h"
#include "prefs/options.h"
#include "update/update_run_state.h"
#include "update/update_session.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QNetworkProxy>
#include <QWidget>
#include <algorithm>
#include <filesystem>

namespace {
constexpr int kWatchdogMs = 20000;
}

void UpdateWindowTest::SetUp() {
    // Loopback traffic must never go through a proxy configured on the machine.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    qputenv("QUILLMARK_HOME", QByteArray::fromStdString(data.path().string()));
    ComputePaths(QCoreApplication::applicationDirPath().toStdString());
    Paths().assetsFolder = assets.path().string() + "/";
    EZ_DEFFONT(6, "Segoe UI", 9, "L+V");
    EZ_DEFFONT(7, "Segoe UI", 9, "BV");
    EZ_DEFFONT(10, "Segoe UI", 10, " BV");
    eztest::Install(EventDispatch, DesignDispatch);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
    watchdog_.setInterval(kWatchdogMs);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (!eztest::FormExists(kMessageDialogForm)) return;
        strayDialog = true;
        ADD_FAILURE() << "unexpected dialog: " << MessageDialog().title << " / " << MessageDialog().text1;
        EZ_UNLOADFORM(kMessageDialogForm);
    });
    watchdog_.start();
}

void UpdateWindowTest::TearDown() {
    watchdog_.stop();
    eztest::Reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EzSetRichTextReader(nullptr);
    SetTodayForTesting(std::nullopt);
    SetProgramArgumentsForTesting(std::nullopt);
    TheUpdateSession().declined = false;
    TheUpdateSession().abortRequested = false;
    TheUpdateSession().kept = KeptConnection{};
    UpdateWindows() = UpdateWindowState{};
    Prefs() = Preferences{};
    qunsetenv("QUILLMARK_UPDATE_URL");
    qunsetenv("QUILLMARK_HOME");
}

void UpdateWindowTest::answer(int32_t button) {
    eztest::OnModal(kMessageDialogForm, [this, button] {
        const MessageDialogState& shown = MessageDialog();
        dialogs.push_back({shown.title, shown.text1, shown.text2, shown.buttons});
        eztest::Click(kMessageDialogForm, ButtonId(button));
    });
}

void UpdateWindowTest::openPlanner() {
    ShowPlanner("");
    eztest::Settle();
}

void UpdateWindowTest::closePlanner() {
    EZ_UNLOADFORM(qm::kForm);
    eztest::Settle();
}

void UpdateWindowTest::endRun() {
    closePlanner();
    TheUpdateSession().declined = false;
    TheUpdateSession().abortRequested = false;
    TheUpdateSession().kept = KeptConnection{};
    UpdateWindows() = UpdateWindowState{};
}

bool UpdateWindowTest::plannerVisible() {
    QWidget* window = eztest::Window(qm::kForm);
    return window && window->isVisible();
}

void UpdateWindowTest::noAutomaticCheck() {
    setting("LastCheck", "99999999");
}

std::vector<std::string> UpdateWindowTest::dataFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(data.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string VersionFile(const std::string& host, const std::string& fileName, const std::string& latest) {
    return host + " /files/" + fileName + " " + fileName + "\n" + latest;
}

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}
