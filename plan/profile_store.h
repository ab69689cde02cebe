// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Business Profiles: named retail categories with twelve monthly shares of a year's sales.
#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kProfileRows = 501; // row 0 "None" and up to 500 of the user's profiles
inline constexpr int kMonthsPerYear = 12;

struct BusinessProfile {
    std::string name;                                // code page 1252
    std::array<float, kMonthsPerYear> percentages{}; // January ... December
};

// The rows in use are 0, 1, 2, ... up to the first empty name; every row after it is empty with
// zeros. Row 0 is the built-in "None" profile; rows 1 onward are kept in order of their names.
struct ProfileStore {
    std::array<BusinessProfile, kProfileRows> rows;
    // The file's lines from the first row that was not read (a row past the last one the store can
    // hold, or a row with an empty name, which ends the list): written back unchanged after the
    // rows in use, so that no save loses profiles the store could not take.
    std::string unreadTail;
};

// Every name empty and every percentage 0; no unread tail.
void ClearProfiles(ProfileStore& store);

// Rows 0 ... 41 set from the built-in table ("None" first, then the 41 categories); the rows after
// them are left as they are, so callers clear the store first.
void BuildDefaultProfiles(ProfileStore& store);

// Clears the store and fills it from the built-in table.
void ResetToDefaultProfiles(ProfileStore& store);

// How many rows are in use (the index of the first empty name, kProfileRows when none is empty).
int ProfilesInUse(const ProfileStore& store);

// The names of the rows in use, in row order: the items of the profile list.
std::vector<std::string> ProfileNames(const ProfileStore& store);

// The row whose name equals `name` ignoring letter case by code page 1252 rules; -1 when none does.
int FindProfileIgnoringCase(const ProfileStore& store, std::string_view name);

// The first row with an empty name, where a new profile goes; -1 when all rows are in use.
int FirstFreeRow(const ProfileStore& store);

// Removes a row in use other than 0: the rows after it move up by one and the last row in use
// becomes empty. Other rows are ignored.
void RemoveProfile(ProfileStore& store, int row);

// Puts rows 1 onward of the rows in use in byte order of their names (case-sensitive, a name that
// is the start of another first); rows with equal names keep their order and row 0 stays first.
void SortProfiles(ProfileStore& store);
