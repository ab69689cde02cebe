// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal_csv.h"

#include "plan/number_text.h"
#include "report/proposal_drawing.h"

#include <array>
#include <cstdio>

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kHeader = "Month,Base,Events,Total,Base ads,Events ads,Percent";

// 123450 hundredths as "1234.50".
std::string PlainAmount(Money value) {
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    char text[32];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", value < 0 ? "-" : "", magnitude / 100, magnitude % 100);
    return text;
}

std::string Row(const std::array<std::string, 7>& fields) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        row += CsvField(fields[i]);
    }
    return row + kLineEnd;
}

} // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string ProposalCsv(const ProposalInputs& inputs) {
    const ProposalFigures f = DeriveFigures(inputs);
    // The chart's own columns: drawing on a handle that is not open records nothing, so the
    // labels and amounts come from the code that prints them, not from a second calculation.
    const ProposalColumns columns = DrawColumns(0, f);

    std::string csv = std::string(kByteOrderMark) + kHeader + kLineEnd;
    Money baseTotal = 0, eventsTotal = 0;
    for (size_t k = 0; k < columns.size(); ++k) {
        const ProposalColumn& column = columns[k];
        const float percent = f.percent[(static_cast<size_t>(f.startMonth - 1) + k) % 12];
        std::string baseAds, eventsAds;
        if (f.rate > 0 && column.base > 0) baseAds = std::to_string(f.baseAds);
        if (f.rate > 0 && column.events > 0)
            if (const auto ads = EventsAds(column.events, f.rate)) eventsAds = std::to_string(*ads);
        csv +=
            Row({column.label, PlainAmount(column.base), PlainAmount(column.events),
                 PlainAmount(column.base + column.events), baseAds, eventsAds, FormatNumber(percent, "0.0")});
        baseTotal += column.base;
        eventsTotal += column.events;
    }
    const std::array<std::pair<const char*, Money>, 4> summary = {{
        {"Base budget", baseTotal},
        {"Events budget", eventsTotal},
        {"Opportunity budget", f.opportunityAmount},
        {"Grand total", baseTotal + eventsTotal + f.opportunityAmount},
    }};
    for (const auto& [caption, amount] : summary)
        csv += Row({caption, "", "", PlainAmount(amount), "", "", ""});
    return csv;
}
