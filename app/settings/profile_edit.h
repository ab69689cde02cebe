// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The new contents of a settings file after one change. Every line that the change is not about is
// kept byte for byte; the lines the change writes end in CR LF. Names are taken as given: the
// caller has already stripped them.
#include <optional>
#include <string>
#include <string_view>

// Sets the first key of that name in the first section of that name. A missing section goes at the
// end of the file, a missing key right after the section's last key line.
std::string WithProfileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value);

// Removes the first key line of that name from the first section of that name; nothing when absent.
std::optional<std::string> WithoutProfileKey(std::string_view bytes, std::string_view section,
                                             std::string_view key);

// Removes the first section of that name: its header and its key lines. Comments, blank lines and
// other lines inside it stay. Nothing when absent.
std::optional<std::string> WithoutProfileSection(std::string_view bytes, std::string_view section);
