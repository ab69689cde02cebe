#pragma once
// The installer is stored in the data folder under the name the version file gives. That name must
// not be one of the files the program keeps there, or a download would replace the user's settings
// or profiles.
#include <string_view>

// True for "QMK.ini", "Categories.dat" and "Updater.ini", in any case.
bool IsProgramDataFileName(std::string_view name);
