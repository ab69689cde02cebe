// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help_topics.h"

#include <array>

namespace {

struct HelpTopic {
    int32_t context;
    const char* page;
};

// The context numbers that the program's windows ask for (F1 and the Help buttons).
constexpr std::array<HelpTopic, 8> kHelpTopics{{
    {10, "client.html"},
    {15, "main-window.html"},
    {20, "profiles.html"},
    {35, "budget.html"},
    {60, "options.html"},
    {65, "station.html"},
    {80, "toolbar.html"},
    {105, "profile-editor.html"},
}};

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string HelpPageForContext(int32_t context) {
    for (const HelpTopic& topic : kHelpTopics)
        if (topic.context == context) return topic.page;
    return {};
}

std::vector<HelpEntry> ParseHelpList(std::string_view text) {
    std::vector<HelpEntry> entries;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trimBlanks(line);
        if (line.empty() || line.front() == '#') continue;
        const auto bar = line.find('|');
        if (bar == std::string_view::npos) continue;
        const std::string_view title = trimBlanks(line.substr(0, bar));
        const std::string_view target = trimBlanks(line.substr(bar + 1));
        if (title.empty() || target.empty()) continue;
        entries.push_back({std::string(title), std::string(target)});
    }
    return entries;
}
