#pragma once
// Where the installer named by the version file comes from and where it goes.
#include <optional>
#include <string>
#include <string_view>

struct InstallerTarget {
    std::string host;      // as the version file gives it, possibly with ":port"
    std::string path;      // request path
    std::string localPath; // data folder + file name
};

// Reads the first line of the version file. nullopt when its file name is not a plain file name
// (the caller then shows ReportDownloadError with kDownloadErrorFileName and downloads nothing).
std::optional<InstallerTarget> ResolveInstallerTarget(std::string_view versionText,
                                                      std::string_view dataFolder);
