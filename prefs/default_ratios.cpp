// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/default_ratios.h"

#include "app/settings/settings_file.h"
#include "plan/number_text.h"

#include <algorithm>

int64_t EventsOf(const DefaultRatios& ratios) {
    return 100 - (static_cast<int64_t>(ratios.base) + ratios.opportunity);
}

DefaultRatios LimitRatios(std::string_view opportunityText, std::string_view baseText) {
    DefaultRatios r;
    r.opportunity = std::clamp(LeadingInteger(opportunityText), 0, 100);
    r.base = std::clamp(LeadingInteger(baseText), 0, 100 - r.opportunity);
    return r;
}

DefaultRatios LoadDefaultRatios(const std::string& settingsFile) {
    return {LeadingInteger(GETINI(settingsFile, "Default", "Opportunity", "10")),
            LeadingInteger(GETINI(settingsFile, "Default", "CurrValue", "65"))};
}
