// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/station_layout.h"

namespace sc {
namespace {

constexpr EzControlKind T = EzControlKind::Text, P = EzControlKind::Button, L = EzControlKind::Label,
                        F = EzControlKind::Frame, I = EzControlKind::Picture;

// id, kind, text, column, row, width, height, properties, name
constexpr ControlDesign kControls[] = {
    {100, T, "", 14.0F, 1.0F, 19.0F, 1.25F, "ET", "Logo"},
    {105, P, "&Browse...", 34.0F, 0.875F, 8.5F, 1.5F, "T", "Browse for the logo"},
    {110, T, "", 14.0F, 2.75F, 30.0F, 1.25F, "ET", "Station name"},
    {115, T, "", 14.0F, 4.5F, 30.0F, 1.25F, "ET", "Address"},
    {120, T, "", 14.0F, 6.25F, 30.0F, 1.25F, "ET", "Phone"},
    {125, T, "", 14.0F, 8.0F, 30.0F, 1.25F, "ET", "Web"},
    {130, T, "", 14.0F, 9.75F, 30.0F, 1.25F, "ET", "Rep's e-mail"},
    {135, T, "", 14.0F, 11.5F, 30.0F, 1.25F, "ET", "Rep's phone"},
    {140, P, "&Save", 51.25F, 13.25F, 7.0F, 1.5F, "T", "Save"},
    {145, P, "&Cancel", 60.25F, 13.25F, 7.0F, 1.5F, "T", "Cancel"},
    {150, P, "&Help", 2.0F, 13.25F, 7.0F, 1.5F, "T", "Help"},
    {155, I, "", 47.0F, 1.875F, 20.0F, 6.5F, "E", "Logo preview"},
    {160, L, "", 47.0F, 8.75F, 20.0F, 3.0F, "CW", "Logo status"},
    {200, L, "Logo:", 2.0F, 1.125F, 11.5F, 1.0F, "", ""},
    {205, L, "Station name:", 2.0F, 2.875F, 11.5F, 1.0F, "", ""},
    {210, L, "Address:", 2.0F, 4.625F, 11.5F, 1.0F, "", ""},
    {215, L, "Phone:", 2.0F, 6.375F, 11.5F, 1.0F, "", ""},
    {220, L, "Web:", 2.0F, 8.125F, 11.5F, 1.0F, "", ""},
    {225, L, "Rep's e-mail:", 2.0F, 9.875F, 11.5F, 1.0F, "", ""},
    {230, L, "Rep's phone:", 2.0F, 11.625F, 11.5F, 1.0F, "", ""},
    {235, F, "Logo Preview", 45.75F, 0.625F, 22.5F, 11.75F, "", ""},
};

// In the order of the settings file's keys.
const DetailField kFields[] = {
    {kLogo, &StationDetails::logo, "logo"},
    {kName, &StationDetails::name, "station name"},
    {kAddress, &StationDetails::address, "address"},
    {kPhone, &StationDetails::phone, "phone number"},
    {kWeb, &StationDetails::web, "web address"},
    {kRepEmail, &StationDetails::repEmail, "rep's e-mail address"},
    {kRepPhone, &StationDetails::repPhone, "rep's phone number"},
};

} // namespace

std::span<const ControlDesign> StationControls() {
    return kControls;
}
std::span<const DetailField> DetailFields() {
    return kFields;
}

} // namespace sc
