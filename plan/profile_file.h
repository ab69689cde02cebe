#pragma once
// Categories.dat: the Business Profiles as text, 13 lines a row in store order from row 0: the name
// in double quotes, then the twelve percentages January ... December, one a line (7.2, 10.3, 0).
// Code page 1252, lines ending in CR LF, no header and no count.
#include "plan/profile_store.h"

#include <QString>
#include <string>
#include <string_view>

inline constexpr std::string_view kProfileFileName = "Categories.dat";

// The file's bytes for the rows in use. A double quote inside a name is written twice; a line
// break inside a name, which the file cannot hold, is written as a blank.
std::string ProfileFileText(const ProfileStore& store);

// A percentage as the file holds it: at most 7 significant digits, no exponent, no leading blank.
std::string PercentageFileText(float value);

// Clears the store and fills it from the file's bytes. Fields end at a line break or a comma; a
// field in double quotes may hold commas (a doubled quote inside stands for one); blank lines are
// skipped; numbers are read by the leading-number rule. Thirteen fields make a row, up to row 500;
// a last row with fewer fields keeps 0 for the missing values, and rows after the first empty
// name are left empty.
void ReadProfileFileText(ProfileStore& store, std::string_view bytes);

// Fills the store from the file. When the file is missing the built-in table is used and written
// to it. When the file cannot be read or holds no profile, the store gets the built-in table and
// the file is left as it is. Returns false when the file could not be read or written.
bool LoadProfiles(ProfileStore& store, const QString& filePath);

// Writes the rows in use to the file through a temporary file in the same folder that then
// replaces it, so the old file stays whole when the write fails. Returns false on failure.
bool SaveProfiles(const ProfileStore& store, const QString& filePath);
