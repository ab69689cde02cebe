// SPDX-License-Identifier: GPL-3.0-or-later
// At every start, after the automatic check: finds out whether an update has just been installed
// ("/update" with "NewVer", or Updater.ini) or has failed ("Failed" still set), tells the user once,
// and tidies the data folder.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/commands.h"
#include "app/shell/planner_ids.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "update/form_again.h"
#include "update/leading_number.h"
#include "update/post_update.h"
#include "update/server_text.h"
#include "update/update_address.h"
#include "update/update_run_state.h"
#include "update/update_session.h"
#include "update/update_windows.h"
#include "update/web_page.h"

#include <QFileInfo>
#include <cstdlib>

namespace {

constexpr const char* kSection = "Update";

bool StartedByUpdater() {
    const std::vector<std::string> arguments = ProgramArguments();
    return arguments.size() > 1 && arguments[1] == kUpdateFlagArgument;
}

void FindInstalledVersion() {
    UpdateWindows().installedVersion.clear();
    if (StartedByUpdater()) {
        const std::string& settings = Paths().settingsFile;
        const std::string newVersion = GETINI(settings, kSection, "NewVer", "");
        if (!newVersion.empty()) {
            UpdateWindows().installedVersion = newVersion;
            PutIni(settings, kSection, "NewVer", "");
            return;
        }
    }
    ReadUpdaterIni();
}

void Congratulate(const std::string& version) {
    PutIni(Paths().settingsFile, kSection, "Failed", "0");
    const std::string text1 = std::string("Congratulations! ") + kProgramName +
                              " has been updated to version " +
                              AsPlainDialogText(version, kShownVersionLimit) + "!{f10}";
    const int32_t answer =
        ASKUSER("Update Process Complete", text1, "", "", "*{G,f7}|&See What's New|&Don't Care", 1);
    if (std::abs(answer) == 1) {
        EZ_DOEVENTS(20);
        ShowUpdateInformation(EZ_CURRENTFORM());
    }
    EZ_DOEVENTS(10);
}

bool FailureIsPending() {
    return LeadingWholeNumber(GETINI(Paths().settingsFile, kSection, "Failed", "0")) != 0 &&
           !TheUpdateSession().declined;
}

// True when the user goes to the web site: the files are then left for a later start.
bool ReportFailure() {
    PutIni(Paths().settingsFile, kSection, "Failed", "0");
    const int32_t answer =
        ASKUSER("Update Process Failed", "The program update failed to install correctly.{f10}",
                "This failure could be due to system settings or your anti-virus program.|"
                "The update can be downloaded directly from our web site.{f6}",
                "", "*{G,f7}|&Go To Website|&Continue Without Updating", 1);
    if (answer != 1) return false;
    OpenWebPage(kProductPageAddress);
    return true;
}

} // namespace

void ReadUpdaterIni() {
    const std::string updaterIni = Paths().dataFolder + kUpdaterIniFile;
    if (!QFileInfo::exists(FromCp1252(updaterIni))) return;
    const std::string version = GETINI(updaterIni, "Program", "NewVersion", "");
    UpdateWindows().installedVersion = version;
    if (!version.empty()) PutIni(updaterIni, "Program", "NewVersion", "");
}

void PostUpdateCheck() {
    // The planner was closed while the start-up check ran: whatever is pending waits for the next start.
    if (!FormIsOpen(qm::kForm)) return;
    FindInstalledVersion();
    const std::string installed = UpdateWindows().installedVersion;
    if (!installed.empty()) {
        Congratulate(installed);
    } else if (FailureIsPending()) {
        if (ReportFailure()) return;
    }
    CleanUpAfterUpdate();
}
