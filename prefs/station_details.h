// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's and the rep's details that the proposal carries: kept in the settings file's
// section "Station", all optional and empty by default.
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
// Stores every detail in one replacement of the file. False, with the reason for the user, when
// the file could not be written; it is then as it was.
bool SaveStationDetails(const std::string& settingsFile, const StationDetails& details, std::string& reason);

// The details of the footer line that are set, in the order they are joined: the station's
// name, address, phone and web address, the rep's e-mail and phone.
std::vector<std::string> FooterFields(const StationDetails& details);
