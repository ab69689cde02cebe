// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/settings/profile_test_support.h"

#include "tests/support/temp_folder.h"

#include <filesystem>
#include <fstream>

bool PermissionsStopWrites() {
    const TempFolder folder;
    const std::filesystem::path probe = folder.write("probe", "x");
    std::filesystem::permissions(probe, std::filesystem::perms::owner_read);
    std::ofstream out(probe, std::ios::app);
    return !out.is_open();
}
