// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's details of the settings file, made ready for the page.
#include "report/station_page.h"

#include <string>

struct StationForPage {
    StationOnPage page;
    // Why the logo that is set is left out (program text naming the file); empty when it is drawn
    // or none is set.
    std::string logoProblem;
};

StationForPage LoadStationForPage(const std::string& settingsFile);
