// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's Business Profile store and the planner window's list of it.
#include "plan/profile_store.h"

#include <optional>
#include <string>

ProfileStore& Profiles();
// The path of Categories.dat in the data folder.
std::string ProfileFilePath();

// Loads the store (creating the file from the built-in table when it is missing) and lists it.
void LoadPlannerProfiles(const std::string& dataFolder);
// Tells the user once the planner has started what loading found: a file that could not be read
// (the built-in table serves and the file is kept), a missing file that could not be created, or
// more profiles than can be used.
void WarnIfProfilesNotKept();
// Why the profiles in use are not the file's, when it could not be read; nothing otherwise.
std::optional<std::string> WhyProfilesUnread();
// Writes the store; when that fails the user is told, and false is returned. A file that could not
// be read at start is replaced only when the user agrees (asked here) or `userReplacesFile` says the
// user already chose to replace it.
bool SavePlannerProfiles(bool userReplacesFile = false);
void FillProfileList(const std::string& form, int32_t id);
void RebuildProfiles();
