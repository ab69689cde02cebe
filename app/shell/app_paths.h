// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paths and texts fixed at start-up and read by every part of the program.
#include <string>

struct AppPaths {
    std::string programFolder; // the program's own folder, ending with "/"
    std::string dataFolder;    // where QMK.ini and Categories.dat live, ending with "/"
    std::string assetsFolder;  // Help/, History.rtf, Graphics/, ending with "/"
    std::string settingsFile;  // dataFolder + "QMK.ini"
    std::string helpFile;      // assetsFolder + "Help/index.html", at most 259 characters
    std::string version;       // "3.0.0.0"
};

AppPaths& Paths();

// The folder path with every component in its long form, without a trailing separator. Long
// names are all there is on this system, so the path comes back as given, trimmed of the
// trailing separator.
std::string LongPathName(const std::string& folder);

// Fills Paths() from the program folder: the data folder is QUILLMARK_HOME when set; otherwise the
// program folder when it holds the program's assets and can be written (a portable copy);
// otherwise the per-user data folder. The data folder is created when missing.
void ComputePaths(const std::string& programFolder);

constexpr const char* kProgramName = "Quillmark";
constexpr const char* kInstanceName = "QMK_3";
