// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the update check's windows keep for one run of the program (the protocol's own state is
// TheUpdateSession()), and the command line that the start-up notices read.
#include <optional>
#include <string>
#include <vector>

struct UpdateWindowState {
    bool checkRunning = false;    // a check is under way; its fetch lets other events run meanwhile
    bool downloading = false;     // "ZD" stays open until the download has stopped
    std::string installedVersion; // the version that has just been installed, found at start-up
};
UpdateWindowState& UpdateWindows();

// The program's arguments as QCoreApplication keeps them, the program itself first. Tests replace
// them with SetProgramArgumentsForTesting until it is called again with std::nullopt.
std::vector<std::string> ProgramArguments();
void SetProgramArgumentsForTesting(std::optional<std::vector<std::string>> arguments);
