// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/today.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
std::optional<CivilDate>& TestOverride() {
    static std::optional<CivilDate> date;
    return date;
}
} // namespace

std::optional<CivilDate> ParseIsoDate(const char* text) {
    if (!text) return std::nullopt;
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text, "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                                          std::chrono::day{static_cast<unsigned>(d)}};
    if (!ymd.ok()) return std::nullopt;
    return CivilDate{y, m, d};
}

CivilDate Today() {
    if (TestOverride()) return *TestOverride();
    if (auto fromEnv = ParseIsoDate(std::getenv("QUILLMARK_TODAY"))) return *fromEnv;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void SetTodayForTesting(std::optional<CivilDate> date) {
    TestOverride() = date;
}
