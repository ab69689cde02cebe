// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that the planner window starts, each provided by its own module.
#include <cstdint>
#include <string>

void PrintProposal();
void ShowProfileEditor(const std::string& parent);
void ClearPlan();
void ShowOptionsDialog(const std::string& parent);
void ShowStationDialog(const std::string& parent);
void RebuildProfiles();
void ShowAbout(const std::string& parent);
void GETHELP(int32_t& command, int32_t& topic);
void SaveClientInfo();

// The update check: the due test, the check itself (non-zero when an installer was downloaded and
// the program must end), the version file's address, and the notices after an update.
bool UpdateCheckDue();
int32_t RunUpdateCheck(const std::string& form, const std::string& address, const std::string& version,
                       int32_t manual);
std::string VersionFileAddress();
void PostUpdateCheck();
