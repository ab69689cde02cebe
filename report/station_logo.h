// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the station's logo: a PNG, JPEG or SVG file, read within fixed limits so that no file
// can hang the program or exhaust its memory, and scaled down to what the page or the preview
// needs.
#include "report/station_page.h"

#include <optional>
#include <string>

struct LogoRead {
    std::optional<StationLogo> logo; // nothing for an empty path or a file that cannot be used
    std::string problem;             // why the file cannot be used, for the user; empty otherwise
};

// The largest logo file read, and the most pixels of a picture that must be decoded whole to be
// scaled (PNG); JPEG and SVG are decoded at the size they are drawn, whatever their own size.
inline constexpr long long kLogoMaxFileBytes = 16LL << 20;
inline constexpr long long kLogoMaxDecodedPixels = 40'000'000;

// Reads the logo at `path` (program text) scaled to fit `maxWidth` × `maxHeight` pixels with its
// proportions kept; a picture smaller than that keeps its own size. A folder, a FIFO, an
// unreadable, empty, corrupt or oversized file, or one that is not a PNG, JPEG or SVG picture
// gives a problem instead.
LogoRead ReadStationLogo(const std::string& path, int maxWidth, int maxHeight);

// The logo for the page: drawn at up to 600 dots to the inch in the logo's space.
LogoRead ReadLogoForPage(const std::string& path);
