// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side of the hand-off to the updater, at every start (PostUpdateCheck in
// app/shell/commands.h): the version just installed, the notices, and the clean-up.
#include <string>

inline constexpr const char* kUpdateFlagArgument = "/update"; // compared exactly, case included
inline constexpr const char* kUpdaterIniFile = "Updater.ini";
inline constexpr const char* kUpdaterProgramFile = "kelvup.exe";

// Takes the version that the updater left in Updater.ini (section "Program", key "NewVersion") as the
// installed version, and empties the key. Without the file the installed version stays as it is.
void ReadUpdaterIni();

// Deletes the downloaded installer that "Install" names (and empties the key) and the updater program.
void CleanUpAfterUpdate();
