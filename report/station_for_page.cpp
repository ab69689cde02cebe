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
    station.logoFile = details.logo;
    station.logoProblem = logo.problem;
    return station;
}

std::string LogoLeftOutLine(const StationForPage& station) {
    return "the logo " + station.logoFile + " is left out: " + station.logoProblem;
}
