// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's details of the settings file, made ready for the page.
#include "report/station_page.h"

#include <string>

struct StationForPage {
    StationOnPage page;
    // The logo file that is set, and why it is left out of the page (empty when it is drawn or
    // none is set); program text.
    std::string logoFile;
    std::string logoProblem;
};

StationForPage LoadStationForPage(const std::string& settingsFile);

// The one line for standard error: "the logo FILE is left out: WHY".
std::string LogoLeftOutLine(const StationForPage& station);
