// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The addresses of the update check.
#include <string>
#include <string_view>

// The version file on the maker's web server.
inline constexpr std::string_view kBuiltInVersionFileAddress = "https://www.quillmark.example/QMKVersion.txt";
// The product page offered when a manual check cannot reach the version file.
inline constexpr std::string_view kProductPageAddress = "https://www.quillmark.example/";

// The built-in version file address, or the one in QUILLMARK_UPDATE_URL when that is set and not empty
// (tests and private mirrors).
std::string VersionFileAddress();
