// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal_fit.h"

#include "report/page_text_width.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr char kEllipsis = '\x85'; // "…" in code page 1252

float WidthAt(const std::string& text, PageFont font, float points) {
    font.points = points;
    return TextWidthInches(text, font);
}

// The largest half-point step at or below `exact`; the exact size itself for a text so long
// that not even half a point fits (a number is never cut).
float StepDown(float exact) {
    const float stepped = std::floor(exact / kFitStepPoints) * kFitStepPoints;
    return stepped >= kFitStepPoints ? stepped : exact;
}

// The name cut to at most `width` inches, ending in "…" when anything was cut.
std::string ShortenName(const std::string& name, const PageFont& font, float width) {
    if (TextWidthInches(name, font) <= width) return name;
    const float ellipsis = TextWidthInches(std::string(1, kEllipsis), font);
    size_t kept = 0;
    float used = 0;
    while (kept < name.size()) {
        const float next = TextWidthInches(name.substr(kept, 1), font);
        if (used + next + ellipsis > width) break;
        used += next;
        ++kept;
    }
    std::string shortened = name.substr(0, kept);
    while (!shortened.empty() && shortened.back() == ' ')
        shortened.pop_back();
    return shortened + kEllipsis;
}

} // namespace

float FitNumberSize(const std::string& text, const PageFont& font, float space) {
    const float width = TextWidthInches(text, font);
    if (width <= space) return font.points;
    return StepDown(font.points * space / width);
}

float FitNumbersSize(const std::vector<TextInSpace>& texts, const PageFont& font) {
    float points = font.points;
    for (const TextInSpace& one : texts)
        points = std::min(points, FitNumberSize(one.text, font, one.space));
    return points;
}

FittedLine FitLineWithNames(const std::vector<LinePart>& parts, const PageFont& font, float space) {
    std::string whole;
    for (const LinePart& part : parts)
        whole += part.text;
    const float points = FitNumberSize(whole, font, space);
    if (points >= kReadableMinimumPoints) return {whole, points};

    // At the readable minimum the fixed words keep their room and the names share the rest:
    // a name narrower than its share stays whole and leaves the others more.
    PageFont smallest = font;
    smallest.points = kReadableMinimumPoints;
    float room = space;
    std::vector<size_t> names;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].name)
            names.push_back(i);
        else
            room -= WidthAt(parts[i].text, font, kReadableMinimumPoints);
    }
    std::sort(names.begin(), names.end(), [&](size_t a, size_t b) {
        return TextWidthInches(parts[a].text, smallest) < TextWidthInches(parts[b].text, smallest);
    });
    std::vector<std::string> texts(parts.size());
    for (size_t i = 0; i < parts.size(); ++i)
        texts[i] = parts[i].text;
    for (size_t left = names.size(); const size_t i : names) {
        const float share = std::max(0.0f, room) / static_cast<float>(left--);
        texts[i] = ShortenName(parts[i].text, smallest, share);
        room -= TextWidthInches(texts[i], smallest);
    }
    return {std::accumulate(texts.begin(), texts.end(), std::string()), kReadableMinimumPoints};
}
