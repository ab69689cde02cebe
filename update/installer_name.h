// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer is stored in the data folder under the name the version file gives, and the start
// after an update deletes the file that the settings name. Both accept only a name of our own kind:
// a plain name of a Debian package ("*.deb") that is none of the files and folders the program and
// its assets use, so that neither a version file nor an edited settings file can make the program
// replace or delete anything else. The data folder is the program folder in a portable copy.
#include <string_view>

inline constexpr std::string_view kInstallerExtension = ".deb";

// True for a plain file name (see IsPlainFileName) that does not start with ".", ends in ".deb"
// (any case), has at most 255 bytes and is not, ignoring case, one of the program's own names.
bool IsOwnInstallerName(std::string_view name);

// True for the program's own files and folders ("QMK.ini", "quillmark", "Help", ...), in any case.
bool IsProgramFileName(std::string_view name);
