// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/station_details.h"

#include "app/settings/profile_lines.h"
#include "app/settings/settings_file.h"
#include "plan/plan_file.h"

const std::vector<StationKey>& StationKeys() {
    static const std::vector<StationKey> keys{
        {"Logo", &StationDetails::logo},         {"Name", &StationDetails::name},
        {"Address", &StationDetails::address},   {"Phone", &StationDetails::phone},
        {"Web", &StationDetails::web},           {"RepEmail", &StationDetails::repEmail},
        {"RepPhone", &StationDetails::repPhone},
    };
    return keys;
}

StationDetails LoadStationDetails(const std::string& settingsFile) {
    StationDetails details;
    for (const StationKey& key : StationKeys())
        details.*key.field = GETINI(settingsFile, kStationSection, key.key, "");
    return details;
}

bool StationValueFits(const std::string& value) {
    return StoredPlanText(value).size() <= kStationValueMax;
}

bool SaveStationDetails(const std::string& settingsFile, const StationDetails& details, std::string& reason) {
    SettingsBatch batch(settingsFile);
    for (const StationKey& key : StationKeys()) {
        const std::string& value = details.*key.field;
        // An unchanged detail keeps its line, even one longer than a value written now may be.
        if (GETINI(settingsFile, kStationSection, key.key, "") == TrimSpaces(value)) continue;
        if (!StationValueFits(value)) {
            reason = "the " + std::string(key.key) + " detail is longer than the " +
                     std::to_string(kStationValueMax) + " characters the file keeps of a value";
            return false; // the batch, not committed, writes nothing
        }
        PutIni(settingsFile, kStationSection, key.key, StoredPlanText(value));
    }
    const bool saved = batch.Commit();
    reason = saved ? std::string() : batch.Reason();
    return saved;
}

std::vector<std::string> FooterFields(const StationDetails& details) {
    std::vector<std::string> fields;
    for (const StationKey& key : StationKeys())
        if (key.field != &StationDetails::logo && !(details.*key.field).empty())
            fields.push_back(details.*key.field);
    return fields;
}
