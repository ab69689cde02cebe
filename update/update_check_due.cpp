// SPDX-License-Identifier: GPL-3.0-or-later
// The due test of the automatic update check: due on the first start and then on the eleventh day
// after the last check. The next due day is stored before the check runs, so a check that fails is
// not repeated every start.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/commands.h"
#include "dates/dates.h"
#include "dates/today.h"
#include "prefs/options.h"
#include "update/leading_number.h"

#include <string>

namespace {
constexpr int32_t kDaysBetweenChecks = 10;

int32_t TodaysDayNumber() {
    const CivilDate today = Today();
    return JulianFromDate(today.month, today.day, today.year);
}
} // namespace

bool UpdateCheckDue() {
    // The user who turned automatic checks off checks from the menu only.
    if (!OptionOn(kAutoUpdate)) return false;
    const std::string& settings = Paths().settingsFile;
    const int64_t lastCheck = LeadingWholeNumber(GETINI(settings, "Update", "LastCheck", "0"));
    const int32_t today = TodaysDayNumber();
    if (today <= lastCheck) return false;
    PutIni(settings, "Update", "LastCheck", std::to_string(today + kDaysBetweenChecks));
    return true;
}
