// SPDX-License-Identifier: GPL-3.0-or-later
// The planner window's event routing, its menu and toolbar commands and the command states.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/commands.h"
#include "app/shell/placement.h"
#include "app/shell/plan_commands.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/toolkit/ez.h"
#include "msgbox/markup_literal.h"
#include "msgbox/message_dialog.h"
#include "plan/planner_fields.h"
#include "plan/planner_profiles.h"
#include "prefs/options.h"
#include "report/proposal_csv_export.h"
#include "report/proposal_mail.h"

using namespace qm;

namespace {

void Unload() {
    EZ_UNLOADFORM(kForm);
}

void OpenHelp(int32_t command, int32_t topic) {
    GETHELP(command, topic);
}

// The automatic update check when the form has started; an installer downloaded ends the program.
void OnStarted() {
    WarnIfProfilesNotKept();
    if (UpdateCheckDue()) {
        if (RunUpdateCheck(EZ_CURRENTFORM(), VersionFileAddress(), Paths().version, 0) != 0) {
            Unload();
            return;
        }
    }
    PostUpdateCheck();
    OpenPlanGivenAtStart();
}

// The remembered client and the window's placement reach the settings file as one write, so a crash
// or a full disk leaves all the old values or all the new ones; a failure is told before the window
// goes.
void SaveOnClose() {
    std::string form = kForm;
    std::string file = Paths().settingsFile;
    SettingsBatch batch(file);
    if (OptionOn(kRememberClient)) SaveClientInfo();
    SavePlacement(form, file);
    if (batch.Commit()) return;
    ShowNotice("Settings Not Saved",
               std::string(OptionOn(kRememberClient) ? "The client's plan and the window's place"
                                                     : "The window's place") +
                   " could not be written to " + MarkupLiteral(file + ": " + batch.Reason()) + ".{f7}",
               "The file on disk is unchanged.{f6}");
}

void PlannerFormEvents(int32_t id, int32_t message, int32_t& cancel) {
    if (id == kHelpCommand && message == kEzClick) {
        OpenHelp(15, PlannerShell().helpContext);
        return;
    }
    if (id != 0) return;
    switch (message) {
    case kEzHelpContext:
        PlannerShell().helpContext = 15;
        break;
    case kEzLoaded:
        InitPlanner();
        break;
    case kEzStarted:
        OnStarted();
        break;
    case kEzClose:
        if (!MayLeavePlan(false)) {
            cancel = 1;
            break;
        }
        SaveOnClose();
        break;
    default:
        break;
    }
}

void PlannerMenuEvents(int32_t id, int32_t message) {
    if (message != kEzClick) return;
    switch (id) {
    case kMenuPrint:
        PrintProposal();
        break;
    case kMenuEdit:
        ShowProfileEditor(kForm);
        break;
    case kMenuClear:
        ClearPlan();
        break;
    case kMenuOptions:
        ShowOptionsDialog(kForm);
        break;
    case kMenuExit:
        Unload();
        break;
    case kMenuHelpContents:
        OpenHelp(1, 0);
        break;
    case kMenuRebuild:
        RebuildProfiles();
        break;
    case kMenuUpdate:
        if (RunUpdateCheck(EZ_CURRENTFORM(), VersionFileAddress(), Paths().version, 1) != 0) Unload();
        break;
    case kMenuAbout:
        ShowAbout(kForm);
        break;
    default:
        RunPlanCommand(id);
        break;
    }
    RefreshPlanState();
}

void PlannerToolbarEvents(int32_t button, int32_t message, int32_t& value) {
    static const char* const kTips[] = {"",        "Print", "Edit Profile", "Clear Profile",
                                        "Options", "Help",  "Exit"};
    switch (message) {
    case kEzHelpContext:
        PlannerShell().helpContext = 80;
        break;
    case kEzTooltip:
        EZ_SETTOOLTIP(button >= 1 && button <= 6 ? kTips[button] : "");
        break;
    case kEzCreating:
        EZ_SETLOADSTR("I", "[5][6][7]");
        break;
    case kEzKey:
        if (value == kEzKeyEscape)
            value = 0;
        else if (value == kEzKeyEnter)
            value = kEzKeyTab;
        break;
    case kEzClick:
        switch (button) {
        case 1:
            PrintProposal();
            break;
        case 2:
            ShowProfileEditor(kForm);
            break;
        case 3:
            ClearPlan();
            break;
        case 4:
            ShowOptionsDialog(kForm);
            break;
        case 5:
            OpenHelp(1, 0);
            break;
        case 6:
            Unload();
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

// The events after which the plan on the window may differ from the one last opened or saved.
bool ChangesPlan(int32_t message) {
    return message == kEzChange || message == kEzLostFocus || message == kEzClick || message == kEzRightClick;
}

bool IsPlanField(int32_t id) {
    return id == kClient || id == kStation || id == kSalesrep || id == kBudget || id == kRate ||
           (id >= kFirstMonth && id <= kLastMonth && id % 5 == 0) || id == kBase || id == kOpportunity;
}

} // namespace

void PlannerEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    if (id == 0) return PlannerFormEvents(id, message, cancel);
    if (id >= kMenuPlan && id <= kMenuLastRecentPlan) return PlannerMenuEvents(id, message);
    // The station's details, kept in the settings file, not in the plan.
    if (id == kMenuStation) {
        if (message == kEzClick) ShowStationDialog(kForm);
        return;
    }
    // The plan's hand-offs: the monthly table and the proposal by e-mail.
    if (id == kMenuExportTable || id == kMenuSendByEmail) {
        if (message == kEzClick) id == kMenuExportTable ? ExportMonthlyTable() : SendProposalByEmail();
        return;
    }
    if ((id == kBase || id == kSlider || id == kOpportunity) && message == kEzTooltip) EZ_SETTOOLTIP("");
    if (IsPlanField(id)) {
        PlannerFieldEvents(id, message, value, cancel);
        if (message == kEzEditNotify) ApplyEditSelection(id, value);
        if (ChangesPlan(message)) RefreshPlanState();
        return;
    }
    if (id == kDate || id == kStartMonth || id == kYear || id == kProfile || id == kSlider) {
        PlannerFieldEvents(id, message, value, cancel);
        if (ChangesPlan(message)) RefreshPlanState();
        return;
    }
    if (id == kToolbar) {
        if (message == kEzTooltip) EZ_SETTOOLTIP("");
        return PlannerToolbarEvents(0, message, value);
    }
    if (id >= kPrintButton && id <= kExitButton) {
        PlannerToolbarEvents(id - kToolbar, message, value);
        if (message == kEzClick) RefreshPlanState();
        return;
    }
    if (id == kStatusBar) {
        if (message == kEzCreating) EZ_USEFONT(6); // the status bar shows font 6
        return;
    }
    PlannerFormEvents(id, message, cancel);
}

void UpdatePrintState() {
    const bool allowed = !EZ_GETTEXT(kForm, kClient).empty() && !EZ_GETTEXT(kForm, kStation).empty() &&
                         !EZ_GETTEXT(kForm, kSalesrep).empty() && !EZ_GETTEXT(kForm, kBudget).empty() &&
                         EZ_GETTEXT(kForm, kTotal) == "100.0";
    EZ_SETMENUITEM(EZ_GETMENU(kForm, 1), kMenuPrint, "&Print", allowed ? "" : "D");
    if (allowed)
        EZ_ENABLETB(kForm, kToolbar, kPrintButton);
    else
        EZ_DISABLETB(kForm, kToolbar, kPrintButton);
}

void UpdateProfileCommands(int32_t enable) {
    const char* props = enable == 0 ? "D" : "";
    const int32_t menu = EZ_GETMENU(kForm, 1);
    EZ_SETMENUITEM(menu, kMenuPrint, "&Print", props);
    EZ_SETMENUITEM(menu, kMenuEdit, "&Edit", props);
    EZ_SETMENUITEM(menu, kMenuClear, "&Clear", props);
    for (int32_t button : {kPrintButton, kEditButton, kClearButton}) {
        if (enable != 0)
            EZ_ENABLETB(kForm, kToolbar, button);
        else
            EZ_DISABLETB(kForm, kToolbar, button);
    }
}
