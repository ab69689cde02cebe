// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/version_compare.h"

#include "update/leading_number.h"

#include <string>

std::int64_t VersionNumber(std::string_view version) {
    std::string withoutDots;
    for (char c : version)
        if (c != '.') withoutDots += c;
    return LeadingWholeNumber(withoutDots);
}

bool IsNewerVersion(std::string_view current, std::string_view latest) {
    return VersionNumber(current) < VersionNumber(latest);
}
