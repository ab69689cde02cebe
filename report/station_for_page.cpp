// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/station_for_page.h"

#include "prefs/station_details.h"
#include "report/station_logo.h"

StationForPage LoadStationForPage(const std::string& settingsFile) {
    const StationDetails details = LoadStationDetails(settingsFile);
    StationForPage station;
    station.page.footerFields = FooterFields(details);
    LogoRead logo = ReadLogoForPage(details.logo);
    station.page.logo = std::move(logo.logo);
    if (!logo.problem.empty())
        station.logoProblem = "the logo " + details.logo + " is left out: " + logo.problem;
    return station;
}
