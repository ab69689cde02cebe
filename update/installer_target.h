// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the installer named by the version file comes from, where it goes and what it must hold.
#include <optional>
#include <string>
#include <string_view>

struct InstallerTarget {
    std::string host;      // as the version file gives it, possibly with ":port"
    std::string path;      // request path
    std::string localPath; // data folder + file name
    std::string sha256;    // the digest the version file names (lower-case hex), or empty
};

// Reads the version file. nullopt when its file name is not one of our own installer names
// (IsOwnInstallerName; the caller then shows ReportDownloadError with kDownloadErrorFileName and
// downloads nothing).
std::optional<InstallerTarget> ResolveInstallerTarget(std::string_view versionText,
                                                      std::string_view dataFolder);
