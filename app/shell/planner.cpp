// SPDX-License-Identifier: GPL-3.0-or-later
// The planner window's creation from its design table, and its initialisation.
#include "app/shell/planner.h"

#include "app/shell/app_paths.h"
#include "app/shell/placement.h"
#include "app/shell/plan_commands.h"
#include "app/shell/planner_ids.h"
#include "app/shell/planner_layout.h"
#include "app/toolkit/ez.h"
#include "plan/planner_fields.h"
#include "prefs/options.h"

using namespace qm;

PlannerShellState& PlannerShell() {
    static PlannerShellState state;
    return state;
}

void ShowPlanner(const std::string& parent) {
    EZ_DEFMAINMENU(kMenuPlan, "&Plan", "");
    EZ_COLOR(-1, -1);
    EZ_ALLOWLOADINGEVENT(2);
    EZ_FORM(kForm, parent, kProgramName, 0, 0, kPlannerWidth, kPlannerHeight, "_C");
}

namespace {

void DesignMenus() {
    const int32_t bar = EZ_GETMENU(kForm, 0);
    int32_t dropDowns[3] = {bar, 0, 0};
    for (const MenuDesign& item : PlannerMenus()) {
        if (item.menu == 0) {
            if (item.id != kMenuPlan) EZ_ADDMENUITEM(bar, item.id, 0, item.caption, "");
            continue;
        }
        int32_t& menu = dropDowns[item.menu];
        if (menu == 0) {
            menu = EZ_DEFSUBMENU(item.id, item.caption, "");
            EZ_SAVEMENU(kForm, item.menu, menu);
            EZ_SETSUBMENU(bar, item.menu == 1 ? kMenuPlan : kMenuHelp, menu);
        } else {
            EZ_ADDMENUITEM(menu, item.id, 0, item.caption, "");
        }
    }
}

void DesignControl(const ControlDesign& c) {
    EZ_COLOR(-1, -1);
    if (c.id == kSlider)
        EZ_USEIFONT("Arial", 9, "V");
    else
        EZ_USEFONT(6);
    if (c.autosize) EZ_USEAUTOSIZE("CT");
    EZ_SUBCLASS(c.subclassed ? 2 : 0);
    EzCreateControl(c);
    if (c.kind == ControlKind::Combo) EZ_SELECTITEM(kForm, c.id, 0);
    EZ_SUBCLASS(0);
    if (c.tooltips) EZ_ADDTOOLTIP(kForm, c.id);
    if (c.accessibleName[0] != '\0') EzSetAccessibleName(kForm, c.id, c.accessibleName);
}

} // namespace

void DesignPlanner() {
    DesignMenus();
    DesignRecentPlansMenu();
    for (const ControlDesign& control : PlannerControls())
        DesignControl(control);

    EZ_ALLOWLOADINGEVENT(2);
    PlannerShellState& shell = PlannerShell();
    if (shell.toolbarPicture.empty()) shell.toolbarPicture = EZ_LOADPICTURE("tbnor.bmp{S}");
    EZ_TOOLBAR(kToolbar, shell.toolbarPicture, kToolbarLayout, kToolbarProps);
    EZ_ADDTOOLTIP(kForm, kToolbar);
    const char* names[] = {"Print", "Edit Profile", "Clear Profile", "Options", "Help", "Exit"};
    for (int i = 0; i < 6; ++i)
        EzSetAccessibleName(kForm, kPrintButton + i, names[i]);

    EZ_USEFONT(4);
    EZ_ALLOWLOADINGEVENT(2);
    EZ_STATUSBAR(kStatusBar, "", "");
}

void InitPlanner() {
    const AppPaths& paths = Paths();
    EZ_SETFORMICON(kForm, PlannerShell().icon);
    EZ_SETSBPARTS(kForm, kStatusBar, 2, "80|20");
    EZ_SETSBTEXT(kForm, kStatusBar, 1,
                 " Copyright \xA9 2018\x96"
                 "2026 Quillmark Software. All rights reserved.",
                 "");
    EZ_SETSBTEXT(kForm, kStatusBar, 2, "\tVersion " + paths.version, "");
    int32_t resizable = 0;
    std::string form = kForm;
    std::string file = paths.settingsFile;
    RestorePlacement(form, file, resizable);
    LoadPreferences(paths.settingsFile);
    InitPlannerPlan(paths.settingsFile, paths.dataFolder);
    EZ_DEFACCEL(kForm, "F1," + std::to_string(kHelpCommand));
    BeginPlanTracking();
}
