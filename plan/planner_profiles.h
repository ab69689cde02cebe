#pragma once
// The program's Business Profile store and the planner window's list of it.
#include "plan/profile_store.h"

#include <string>

ProfileStore& Profiles();
// The path of Categories.dat in the data folder.
std::string ProfileFilePath();

// Loads the store (creating the file from the built-in table when it is missing) and lists it.
void LoadPlannerProfiles(const std::string& dataFolder);
// Tells the user when Categories.dat is still not a file once the profiles are loaded: the built-in
// table could not be written, so the profiles in use will not be there next time.
void WarnIfProfilesNotKept();
// Writes the store; when that fails the user is told, and false is returned.
bool SavePlannerProfiles();
void FillProfileList(const std::string& form, int32_t id);
void RebuildProfiles();
