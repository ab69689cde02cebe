// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner window "QM": creation, design, initialisation and its event routing.
#include <cstdint>
#include <string>

void ShowPlanner(const std::string& parent);
void DesignPlanner();
void InitPlanner();

void PlannerEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
// Print is allowed when name, station, salesrep and budget are not empty and the total reads
// exactly "100.0".
void UpdatePrintState();
// 0 disables Print, Edit and Clear; any other value enables them.
void UpdateProfileCommands(int32_t enable);

struct PlannerShellState {
    int32_t helpContext = 0;    // the help topic of the part of the window in use
    std::string toolbarPicture; // loaded once per run
    std::string icon;
};
PlannerShellState& PlannerShell();
