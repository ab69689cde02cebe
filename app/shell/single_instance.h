// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One copy of the program at a time per data folder.
//
// The guard is a lock file and a local socket, both in one private per-user folder (mode 0700,
// owned by the user, at a place that no environment variable moves) and both named from the
// data folder's canonical path. Two copies on one data folder never both run; copies on
// different data folders may. A later start asks the running copy of its own data folder to
// raise its window (and to open the plan it was given), then ends.
#include <cstdint>
#include <functional>
#include <string>

// 1: this process is the only copy on its data folder and holds the guard for the rest of the
// run. 0: another copy runs (it has been asked to restore and raise its main window, and to open
// the plan of SetPlanToHandOver if any) or the guard cannot be set up (then the desktop beeps
// once). The data folder is Paths().dataFolder.
int32_t ClaimSingleInstance(const std::string& instanceName, const std::string& windowTitle);

// The plan file (an absolute path, program text) that a later start hands to the running copy.
void SetPlanToHandOver(const std::string& planFile);
// What the running copy does with a plan handed over by a later start, after raising its window.
void SetHandedOverPlanOpener(std::function<void(const std::string& planFile)> open);

// The private folder and the guard's names for a data folder; empty folder when no private
// folder can be had (wrong owner or mode, cannot be created).
struct InstanceGuardPlace {
    std::string folder; // absolute, without a trailing "/"
    std::string lockFile;
    std::string socketFile;
};
InstanceGuardPlace GuardPlaceFor(const std::string& instanceName, const std::string& dataFolder);
