// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deciding whether the published version is newer than the running one.
#include <cstdint>
#include <string_view>

// A version text as a number: every "." is removed and the leading number of the rest is read
// ("3.0.0.0" gives 3000, "3.0.1.0" 3010, "3.1" 31, an empty text 0).
std::int64_t VersionNumber(std::string_view version);

// True when the latest version's number is greater than the current one's.
bool IsNewerVersion(std::string_view current, std::string_view latest);
