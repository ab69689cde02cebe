// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From the process entry to the running planner window.
#include <cstdint>
#include <string>

int32_t WINMAIN(int32_t instance, int32_t previous, const std::string& commandLine, int32_t show);
void EZ_MAIN(int32_t unused);
int32_t StartupInit();
void DesignDispatch(const std::string& form);
void EventDispatch(const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
