// SPDX-License-Identifier: GPL-3.0-or-later
// The station's logo and the footer line with the station's and the rep's contact.
#include "report/page_layer.h"
#include "report/proposal_drawing.h"
#include "report/proposal_fit.h"
#include "report/station_page.h"

#include <algorithm>

namespace {
constexpr float kCentre = 4.25f, kLeftEdge = 0.5f, kRightEdge = 8.0f;
} // namespace

PageBox LogoBox(const StationLogo& logo) {
    const float spaceWidth = kLogoSpace.right - kLogoSpace.left;
    const float spaceHeight = kLogoSpace.bottom - kLogoSpace.top;
    if (logo.pixelWidth <= 0 || logo.pixelHeight <= 0)
        return {kLogoSpace.left, kLogoSpace.top, kLogoSpace.left, kLogoSpace.top};
    const float scale = std::min(spaceWidth / static_cast<float>(logo.pixelWidth),
                                 spaceHeight / static_cast<float>(logo.pixelHeight));
    return {kLogoSpace.left, kLogoSpace.top, kLogoSpace.left + scale * static_cast<float>(logo.pixelWidth),
            kLogoSpace.top + scale * static_cast<float>(logo.pixelHeight)};
}

float HeadlineClearFrom(const StationOnPage& station) {
    return station.logo ? LogoBox(*station.logo).right + kTextGap : kLeftEdge;
}

void DrawStation(std::int16_t doc, const StationOnPage& station) {
    if (station.logo) {
        const PageBox box = LogoBox(*station.logo);
        dpImage(doc, box.left, box.top, box.right, box.bottom, station.logo->png);
    }
    if (station.footerFields.empty()) return;
    std::vector<LinePart> parts;
    for (const std::string& field : station.footerFields) {
        if (!parts.empty()) parts.push_back({kFooterSeparator});
        parts.push_back({field, true});
    }
    const FittedLine line =
        FitLineWithNames(parts, PageFontOf(kFooterPoints, kPlain), kRightEdge - kLeftEdge);
    SelectFont(doc, line.points, kPlain);
    dpText(doc, kCentre, kFooterBaseline, 1, line.text);
}
