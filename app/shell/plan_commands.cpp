// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/plan_commands.h"

#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/plan_dialogs.h"
#include "app/shell/plan_window.h"
#include "app/shell/planner_ids.h"
#include "app/shell/single_instance.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "plan/client_info.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

using namespace qm;

namespace {

constexpr const char* kRecentSection = "Recent Plans";
constexpr int kRecentCount = kMenuLastRecentPlan - kMenuFirstRecentPlan + 1;
constexpr int32_t kRecentMenu = 3;

struct PlanTracking {
    OpenPlanState open;
    PlanDocument baseline;
    std::string atStart; // the plan named on the command line
};
PlanTracking& Tracking() {
    static PlanTracking tracking;
    return tracking;
}

std::string FileName(const std::string& file) {
    return ToCp1252(QFileInfo(FromCp1252(file)).fileName());
}

std::string AbsolutePath(const std::string& file) {
    return ToCp1252(QFileInfo(FromCp1252(file)).absoluteFilePath());
}

void Tell(const std::string& title, const std::string& headline, const std::string& detail) {
    ShowNotice(title, headline + "{f10}", detail + "{f6}");
}

void SaveRecentPlans(const std::vector<std::string>& files) {
    SettingsBatch batch(Paths().settingsFile);
    for (int i = 0; i < kRecentCount; ++i)
        PutIni(Paths().settingsFile, kRecentSection, "Plan" + std::to_string(i + 1),
               i < static_cast<int>(files.size()) ? '"' + files[static_cast<size_t>(i)] + '"' : "");
    batch.Commit(); // a list that could not be kept is no loss of the user's data
}

void ShowRecentPlans() {
    const int32_t menu = EZ_GETMENU(kForm, kRecentMenu);
    const std::vector<std::string> files = RecentPlans();
    EZ_SETMENUITEM(menu, kMenuNoRecentPlans, "", files.empty() ? "D" : "DH");
    for (int i = 0; i < kRecentCount; ++i) {
        const bool shown = i < static_cast<int>(files.size());
        std::string caption = " ";
        if (shown) {
            caption = "&" + std::to_string((i + 1) % 10) + " ";
            for (char c : files[static_cast<size_t>(i)])
                caption += c == '&' ? std::string("&&") : std::string(1, c); // no mnemonic from a name
        }
        EZ_SETMENUITEM(menu, kMenuFirstRecentPlan + i, caption, shown ? "" : "H");
    }
}

void RememberRecent(const std::string& file) {
    std::vector<std::string> files = RecentPlans();
    std::erase(files, file);
    files.insert(files.begin(), file);
    if (files.size() > kRecentCount) files.resize(kRecentCount);
    SaveRecentPlans(files);
    ShowRecentPlans();
}

void ForgetRecent(const std::string& file) {
    std::vector<std::string> files = RecentPlans();
    std::erase(files, file);
    SaveRecentPlans(files);
    ShowRecentPlans();
}

// The window's plan from now on counts as unchanged, kept in `file`.
void MarkUnchanged(const std::string& file) {
    Tracking().open.file = file;
    Tracking().baseline = PlanOnWindow();
    RefreshPlanState();
}

void OpenRecent(int index) {
    const std::vector<std::string> files = RecentPlans();
    if (index >= static_cast<int>(files.size())) return;
    const std::string file = files[static_cast<size_t>(index)];
    if (!QFileInfo::exists(FromCp1252(file))) {
        Tell("Plan Not Found", "The plan " + FileName(file) + " is no longer there.",
             file + "|It is taken off the list of recent plans.");
        ForgetRecent(file);
        return;
    }
    OpenPlanFile(file, false);
}

// Writes the window's plan to the file; the user is told when it cannot be done.
bool WritePlan(const std::string& file) {
    const PlanDocument plan = PlanOnWindow();
    const std::optional<std::string> bytes = PlanFileBytes(plan, "");
    const PlanRead check = bytes ? ParsePlan(*bytes) : PlanRead{std::nullopt, "a value cannot be stored"};
    if (!check.plan) {
        Tell("Plan Not Saved", "The plan cannot be saved yet:", check.reason + ".");
        return false;
    }
    const FileResult written = WritePlanFile(FromCp1252(file), plan);
    if (!written) {
        Tell("Plan Not Saved", "The plan could not be saved to " + FileName(file) + ".",
             file + "|" + written.reason + ". The file was left as it was.");
        return false;
    }
    MarkUnchanged(file);
    RememberRecent(file);
    return true;
}

} // namespace

const OpenPlanState& OpenPlan() {
    return Tracking().open;
}

std::vector<std::string> RecentPlans() {
    std::vector<std::string> files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const std::string file = GETINI(Paths().settingsFile, kRecentSection, "Plan" + std::to_string(i), "");
        if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    }
    return files;
}

void DesignRecentPlansMenu() {
    const int32_t menu = EZ_DEFSUBMENU(kMenuNoRecentPlans, "(No Recent Plans)", "D");
    for (int32_t id = kMenuFirstRecentPlan; id <= kMenuLastRecentPlan; ++id)
        EZ_ADDMENUITEM(menu, id, 0, " ", "H");
    EZ_SAVEMENU(kForm, kRecentMenu, menu);
    EZ_SETSUBMENU(EZ_GETMENU(kForm, 1), kMenuRecentPlans, menu);
}

void BeginPlanTracking() {
    EZ_DEFACCEL(kForm, "Ctrl+N," + std::to_string(kMenuNewPlan) + ";Ctrl+O," + std::to_string(kMenuOpenPlan) +
                           ";Ctrl+S," + std::to_string(kMenuSavePlan) + ";Ctrl+Shift+S," +
                           std::to_string(kMenuSavePlanAs));
    ShowRecentPlans();
    MarkUnchanged("");
}

void SetPlanToOpenAtStart(const std::string& file) {
    Tracking().atStart = file.empty() ? file : AbsolutePath(file);
    SetPlanToHandOver(Tracking().atStart);
}

void OpenPlanGivenAtStart() {
    const std::string file = std::exchange(Tracking().atStart, std::string());
    if (!file.empty()) OpenPlanFile(file, true);
}

void RefreshPlanState() {
    if (EZ_GETMENU(kForm, 1) == 0) return; // the window is gone
    OpenPlanState& open = Tracking().open;
    open.changed = !(PlanOnWindow() == Tracking().baseline);
    // Save is offered while there is something to save: changes, or a plan not yet in a file.
    EZ_SETMENUITEM(EZ_GETMENU(kForm, 1), kMenuSavePlan, "", open.changed || open.file.empty() ? "" : "D");
    std::string status;
    if (!open.file.empty())
        status = " Plan: " + FileName(open.file) + (open.changed ? " \x97 unsaved changes" : "");
    else if (open.changed)
        status = " New plan \x97 not saved";
    else
        status = " Copyright \xA9 2018\x96"
                 "2026 Quillmark Software. All rights reserved.";
    EZ_SETSBTEXT(kForm, kStatusBar, 1, status, "");
}

bool MayLeavePlan(bool evenUnsaved) {
    RefreshPlanState();
    const OpenPlanState& open = Tracking().open;
    if (!open.changed || (open.file.empty() && !evenUnsaved)) return true;
    // A dismissed question keeps the plan, as Cancel does: nothing is lost without a No.
    switch (ConfirmSaveOnExit(kForm, kMenuSavePlan, open.file.empty() ? "" : FileName(open.file))) {
    case 1:
        return SavePlan();
    case 2:
        return true;
    default:
        return false;
    }
}

void NewPlan() {
    if (!MayLeavePlan(true)) return;
    ClearPlanFields();
    MarkUnchanged("");
}

void OpenPlanFromDialog() {
    if (!MayLeavePlan(true)) return;
    const std::string file = AskPlanToOpen();
    if (!file.empty()) OpenPlanFile(file, false);
}

bool OpenPlanFile(const std::string& given, bool askFirst) {
    const std::string file = AbsolutePath(given);
    const PlanRead read = ReadPlanFile(FromCp1252(file));
    if (!read.plan) {
        Tell("Plan Not Opened",
             "The plan " + FileName(file) + " cannot be opened:", file + "|" + read.reason + ".");
        return false;
    }
    if (askFirst && !MayLeavePlan(true)) return false;
    const PlanDocument& plan = *read.plan;
    bool profileValues = false;
    switch (MatchPlanProfile(plan)) {
    case PlanProfileMatch::Same:
        break;
    case PlanProfileMatch::Changed:
        profileValues =
            ASKUSER("Profile Changed",
                    "The profile \"" + plan.profileName + "\" has changed since this plan was saved.{f10}",
                    "Use the percentages saved with the plan, or the profile's percentages of today?{f6}", "",
                    "*{G,f7}|&Plan's Percentages|P&rofile's Percentages", 1) == 2;
        break;
    case PlanProfileMatch::NotHere:
        Tell("Profile Not Found",
             "The profile \"" + plan.profileName + "\" is not among your Business Profiles.",
             "The plan's own percentages are shown, with the profile \"None\".");
        break;
    }
    ShowPlanOnWindow(plan, profileValues);
    MarkUnchanged(file);
    RememberRecent(file);
    return true;
}

bool SavePlan() {
    const std::string file = Tracking().open.file;
    return file.empty() ? SavePlanAs() : WritePlan(file);
}

bool SavePlanAs() {
    std::string suggested = EZ_GETTEXT(kForm, kClient);
    std::replace_if(
        suggested.begin(), suggested.end(), [](char c) { return c == '/' || c == '\\'; }, '-');
    if (suggested.empty()) suggested = "Plan";
    const std::string file = AskPlanToSaveAs(suggested + "." + kPlanFileSuffix);
    return !file.empty() && WritePlan(AbsolutePath(file));
}

bool RunPlanCommand(int32_t id) {
    switch (id) {
    case kMenuNewPlan:
        NewPlan();
        return true;
    case kMenuOpenPlan:
        OpenPlanFromDialog();
        return true;
    case kMenuSavePlan:
        SavePlan();
        return true;
    case kMenuSavePlanAs:
        SavePlanAs();
        return true;
    default:
        if (id >= kMenuFirstRecentPlan && id <= kMenuLastRecentPlan) {
            if (MayLeavePlan(true)) OpenRecent(id - kMenuFirstRecentPlan);
            return true;
        }
        return false;
    }
}
