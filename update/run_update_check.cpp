// SPDX-License-Identifier: GPL-3.0-or-later
// The update check, from the menu (manual) or at start-up: the version file, the comparison with the
// running version, the offer, and the download of the installer with its record in the settings file.
// Only a download that is complete and recorded ends the program; after any other outcome the hidden
// planner window is shown again.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/commands.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "update/download_errors.h"
#include "update/fetch_version_text.h"
#include "update/form_again.h"
#include "update/http_download.h"
#include "update/installer_target.h"
#include "update/server_text.h"
#include "update/update_dialogs.h"
#include "update/update_run_state.h"
#include "update/update_session.h"
#include "update/update_windows.h"
#include "update/updater_launch.h"
#include "update/version_compare.h"
#include "update/version_file.h"
#include "update/window_download.h"

#include <QFile>
#include <optional>

namespace {

// Marks the check as running for as long as it lasts, however it ends.
struct RunningCheck {
    RunningCheck() { UpdateWindows().checkRunning = true; }
    ~RunningCheck() { UpdateWindows().checkRunning = false; }
    RunningCheck(const RunningCheck&) = delete;
    RunningCheck& operator=(const RunningCheck&) = delete;
};

void RemoveFile(const std::string& path) {
    QFile::remove(FromCp1252(path));
}

// The keys that the next start and the updater read, replaced together: a crash or a full disk
// leaves either all of them as they were or all of them written.
bool RecordDownload(const std::string& localPath, const std::string& latestVersion) {
    const std::string& settings = Paths().settingsFile;
    SettingsBatch batch(settings);
    PutIni(settings, "Update", "Install", localPath);
    PutIni(settings, "Update", "NewVer", AsPlainDialogText(latestVersion, kShownVersionLimit));
    PutIni(settings, "Update", "Failed", "1");
    return batch.Commit();
}

// Where the installer goes; nullopt (after telling the user) when the version file's name for it is
// not one of our own installer names.
std::optional<InstallerTarget> InstallerTargetOf(const std::string& versionText) {
    std::optional<InstallerTarget> target = ResolveInstallerTarget(versionText, Paths().dataFolder);
    if (!target) ReportDownloadError(WindowDownloadCallbacks(), kDownloadErrorFileName);
    return target;
}

enum class DownloadOutcome { Recorded, NotRecorded, Stopped };

// Downloads into the data folder while "ZD" stands in for the hidden parent form. Closing the parent
// (the planner, shown again by a second start) stops the download like Cancel does.
DownloadOutcome DownloadInstaller(const std::string& parent, const InstallerTarget& target,
                                  const std::string& latestVersion) {
    EZ_DOEVENTS(20);
    EZ_HIDEFORM(parent);
    ShowDownloadWindow(parent);
    UpdateWindows().downloading = true;
    DownloadCallbacks callbacks = WindowDownloadCallbacks();
    auto stopped = [parent] {
        return TheUpdateSession().abortRequested || (!parent.empty() && !FormIsOpen(parent));
    };
    callbacks.abortRequested = stopped;
    const DownloadRequest request{target.host, target.path, true, "", "", target.localPath, target.sha256};
    const int result = HttpDownload(request, TheUpdateSession().kept, callbacks);
    UpdateWindows().downloading = false;

    DownloadOutcome outcome = DownloadOutcome::Stopped;
    if (result == 0 && !stopped())
        outcome = RecordDownload(target.localPath, latestVersion) ? DownloadOutcome::Recorded
                                                                  : DownloadOutcome::NotRecorded;
    // A file that is not recorded would never be installed or cleaned up.
    if (result == 0 && outcome != DownloadOutcome::Recorded) RemoveFile(target.localPath);
    EZ_UNLOADFORM(kDownloadForm);
    return outcome;
}

} // namespace

int32_t RunUpdateCheck(const std::string& form, const std::string& address, const std::string& version,
                       int32_t manual) {
    // The fetch lets other events run, so the menu could start a second check meanwhile.
    if (UpdateWindows().checkRunning) return 0;
    RunningCheck running;
    UpdateSession& session = TheUpdateSession();
    session.declined = false;
    session.abortRequested = false;

    const VersionFetch fetch = FetchVersionText(address);
    if (!form.empty() && !FormIsOpen(form)) return 0; // closed while the fetch waited
    if (fetch.failed) {
        if (manual != 0) TellCheckFailed(fetch);
        return 0;
    }
    if (fetch.text.empty()) return 0;

    const std::string latest(LatestVersionLine(fetch.text));
    if (!IsNewerVersion(version, latest)) {
        if (manual != 0) TellUpToDate(form, version);
        return 0;
    }
    if (!AskToDownload(form, latest)) {
        session.declined = true;
        return 0;
    }
    const std::optional<InstallerTarget> target = InstallerTargetOf(fetch.text);
    if (!target) return 0;

    const DownloadOutcome outcome = DownloadInstaller(form, *target, latest);
    if (outcome == DownloadOutcome::Recorded) {
        // Only an installer whose digest came over https is handed on; any other is left to the
        // failure notice of the next start.
        if (fetch.secure && !target->sha256.empty()) StartUpdater(target->localPath, target->sha256);
        return 1;
    }
    ShowFormAgain(form);
    if (outcome == DownloadOutcome::NotRecorded) TellUpdateNotRecorded();
    return 0;
}
