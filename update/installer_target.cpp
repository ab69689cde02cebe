// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/installer_target.h"

#include "update/installer_name.h"
#include "update/version_file.h"

std::optional<InstallerTarget> ResolveInstallerTarget(std::string_view versionText,
                                                      std::string_view dataFolder) {
    InstallerLine line = SplitInstallerLine(FirstLine(versionText));
    if (!IsOwnInstallerName(line.fileName)) return std::nullopt;
    std::string localPath(dataFolder);
    if (!localPath.empty() && !localPath.ends_with('/')) localPath += '/';
    localPath += line.fileName;
    return InstallerTarget{line.host, line.path, localPath, NamedSha256(versionText).value_or("")};
}
