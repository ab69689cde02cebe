// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner window's plan file commands: New Plan, Open Plan..., Save Plan, Save Plan As...,
// Recent Plans, and the question before a plan with unsaved changes is left.
#include <cstdint>
#include <string>
#include <vector>

// The plan file open on the window (program text; empty for a plan not saved yet), the window's
// plan when it was last opened, saved or begun, and whether it has changed since.
struct OpenPlanState {
    std::string file;
    bool changed = false;
};
const OpenPlanState& OpenPlan();

// Builds the Recent Plans drop-down (while the planner is designed).
void DesignRecentPlansMenu();
// The plan as the window shows it after its initialisation counts as unchanged.
void BeginPlanTracking();
// Sees whether the plan changed, and shows it: the Save Plan item, the status bar.
void RefreshPlanState();

// Menu commands by item id; false when the id is not one of them.
bool RunPlanCommand(int32_t id);

void NewPlan();
void OpenPlanFromDialog();
// Opens the file (after asking about unsaved changes of the plan on the window when `askFirst`).
// False when the user kept the old plan or the file could not be opened (the user has been told
// why; the window is then as it was).
bool OpenPlanFile(const std::string& file, bool askFirst);

// The plan named on the command line: opened once the window has started, or handed to the
// copy already running on the data folder.
void SetPlanToOpenAtStart(const std::string& file);
void OpenPlanGivenAtStart();
bool SavePlan();
bool SavePlanAs();

// Asks to save a plan file with unsaved changes (ConfirmSaveOnExit): true when the window may
// be left (saved, or the user said No); false when it must stay (Cancel, dismissed, not saved).
// A plan never saved is asked about only when `evenUnsaved` (New and Open replace it; closing
// the window keeps it as the remembered client).
bool MayLeavePlan(bool evenUnsaved);

// The recent plans, newest first, as kept in QMK.ini (section "Recent Plans").
std::vector<std::string> RecentPlans();
