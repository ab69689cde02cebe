// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's and the rep's details that the proposal carries: kept in the settings file's
// section "Station", all optional and empty by default.
#include "app/settings/settings_file.h"

#include <cstddef>
#include <string>
#include <vector>

struct StationDetails {
    std::string logo; // path of a PNG, JPEG or SVG file (program text)
    std::string name;
    std::string address;
    std::string phone;
    std::string web;
    std::string repEmail;
    std::string repPhone;
    friend bool operator==(const StationDetails&, const StationDetails&) = default;
};

// One key of section "Station" and the detail it holds, in the order the footer joins them
// (the logo, which is not in the footer, first).
struct StationKey {
    const char* key;
    std::string StationDetails::*field;
};
const std::vector<StationKey>& StationKeys();

inline constexpr const char* kStationSection = "Station";

StationDetails LoadStationDetails(const std::string& settingsFile);
// Stores the details in one replacement of the file, each so that it reads back as it was (without
// outer spaces): a text that begins and ends with the same quote is kept inside another pair.
// A detail that is stored as it is already is left untouched. False, with the reason for the user,
// when the file could not be written or a changed detail is too long to be kept whole; the file
// is then as it was.
bool SaveStationDetails(const std::string& settingsFile, const StationDetails& details, std::string& reason);

// The most bytes of a value the settings file keeps.
inline constexpr std::size_t kStationValueMax = SettingsBuffers::kWriteValue - 1;
// Whether a detail is kept whole: its stored form, quotes included, is no longer than that.
bool StationValueFits(const std::string& value);

// The details of the footer line that are set, in the order they are joined: the station's
// name, address, phone and web address, the rep's e-mail and phone.
std::vector<std::string> FooterFields(const StationDetails& details);
