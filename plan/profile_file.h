// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Categories.dat: the Business Profiles as text, 13 lines a row in store order from row 0: the name
// in double quotes, then the twelve percentages January ... December, one a line (7.2, 10.3, 0).
// Code page 1252, lines ending in CR LF, no header and no count.
#include "app/files/safe_file.h"
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
// field in double quotes may hold commas (a doubled quote inside stands for one); numbers are read by
// the leading-number rule. Thirteen fields make a row. A blank line inside a row is an empty field
// (0); between rows it is skipped. A row with an empty name, or past row 500, ends the list: it and
// the rest of the file become the store's unread tail. A last row with fewer fields keeps 0 for the
// missing values.
void ReadProfileFileText(ProfileStore& store, std::string_view bytes);

struct ProfileFileState {
    // False when the file is there but could not be used (not readable, not a plain file, no
    // profile in it): the built-in table serves and the file must not be written over unread.
    bool readable = true;
    // Why the file could not be read, or why the built-in table could not be written to a missing
    // file; empty when all went well.
    std::string problem;
    // The file holds more profiles than the store: the rest are kept in the unread tail.
    bool overCapacity = false;

    // The file was read (or created) as it should be.
    explicit operator bool() const { return readable && problem.empty(); }
};

// Fills the store from the file. When the file is missing the built-in table is used and written
// to it. When the file cannot be read or holds no profile, the store gets the built-in table and
// the file is left as it is. Never blocks on a FIFO or a device.
ProfileFileState LoadProfiles(ProfileStore& store, const QString& filePath);

// Writes the rows in use, then the unread tail, through the program's safe writer: the old file
// stays whole when the write fails, and the result tells why.
FileResult SaveProfiles(const ProfileStore& store, const QString& filePath);
