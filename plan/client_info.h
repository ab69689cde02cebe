// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last client's plan kept in section "Info" of the settings file, and the Clear command.
#include <functional>
#include <string>
#include <utility>
#include <vector>

void SaveClientInfo();
void RestoreClientInfo();
void ClearPlan();

// The same values as the window holds them, in the order they are stored (what SaveClientInfo
// writes), and the window filled from such values (what RestoreClientInfo reads).
std::vector<std::pair<std::string, std::string>> ClientInfoOnWindow();
using ClientInfoReader = std::function<std::string(const char* key, const char* fallback)>;
void ShowClientInfo(const ClientInfoReader& read);
// Clear without its question.
void ClearPlanFields();
