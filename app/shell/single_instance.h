#pragma once
// One copy of the program at a time, per user.
#include <cstdint>
#include <string>

// 1: this process is the only copy and holds the guard for the rest of the run. 0: another copy
// runs (it has been asked to restore and raise its main window) or the guard cannot be set up
// (then the desktop beeps once).
int32_t ClaimSingleInstance(const std::string& instanceName, const std::string& windowTitle);
