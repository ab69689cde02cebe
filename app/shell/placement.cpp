// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/placement.h"

#include "app/settings/settings_file.h"
#include "app/toolkit/ez.h"
#include "plan/number_text.h"

#include <cstdio>

namespace {

// Decimal text with at most 7 significant digits and no leading blank.
std::string PlacementText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    return buffer;
}

} // namespace

void RestorePlacement(std::string& form, std::string& settingsFile, int32_t& resizable) {
    float row = LeadingNumberFloat(GETINI(settingsFile, form, "LastRow", "-1"));
    float col = LeadingNumberFloat(GETINI(settingsFile, form, "LastCol", "-1"));
    float width = LeadingNumberFloat(GETINI(settingsFile, form, "FormWid", "0"));
    float height = LeadingNumberFloat(GETINI(settingsFile, form, "FormHgt", "0"));
    if (resizable == 0 || !(width > 0) || !(height > 0)) EZ_GETSIZE(form, width, height, 0);
    if (!(row > 0) || col < 0) {
        EZ_CENTERFORM("", form, 1);
        return;
    }
    EZ_RESIZEFORM(form, col, row, width, height, -1);
    // The window as saved: its outer frame (title bar, menu bar and edges included), measured as
    // SavePlacement measures it, so that no part of it ends up beyond the screen's edge.
    float outerWidth = 0, outerHeight = 0;
    EZ_GETSIZE(form, outerWidth, outerHeight, 1);
    int32_t screenWidth = 0, screenHeight = 0;
    EZ_GETSCREENSIZE(screenWidth, screenHeight);
    if (col + EZ_CX(static_cast<int32_t>(outerWidth)) > EZ_CX(screenWidth) ||
        row + EZ_CY(static_cast<int32_t>(outerHeight)) > EZ_CY(screenHeight))
        EZ_CENTERFORM("", form, 1);
}

void SavePlacement(std::string& form, std::string& settingsFile) {
    int32_t sw = 0, sh = 0;
    EZ_GETSCREENSIZE(sw, sh);
    float w = 0, h = 0, x = 0, y = 0;
    EZ_GETSIZE(form, w, h, 1);
    EZ_GETPOS(form, x, y, 1);
    if (x < 0)
        x = 0;
    else if (x + w > static_cast<float>(sw))
        x = static_cast<float>(sw) - w;
    if (y < 0)
        y = 0;
    else if (y + h > static_cast<float>(sh))
        y = static_cast<float>(sh) - h;
    const float col = EZ_SCALETOCHARSIZE(static_cast<int32_t>(x), "PX");
    const float row = EZ_SCALETOCHARSIZE(static_cast<int32_t>(y), "PY");
    float width = 0, height = 0;
    EZ_GETSIZE(form, width, height, 0);
    PutIni(settingsFile, form, "LastCol", PlacementText(col));
    PutIni(settingsFile, form, "LastRow", PlacementText(row));
    PutIni(settingsFile, form, "FormWid", PlacementText(width));
    PutIni(settingsFile, form, "FormHgt", PlacementText(height));
}
