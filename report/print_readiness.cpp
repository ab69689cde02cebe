// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/print_readiness.h"

#include <string>

namespace {

struct RequiredText {
    std::string PrintReadinessTexts::*field;
    const char* name;
};

// The fields that must not be empty, in the order the window lays them out.
constexpr RequiredText kRequired[] = {
    {&PrintReadinessTexts::client, "client"},
    {&PrintReadinessTexts::station, "station"},
    {&PrintReadinessTexts::salesrep, "salesrep"},
    {&PrintReadinessTexts::budget, "budget"},
};

} // namespace

std::optional<std::string> WhyNotPrintable(const PrintReadinessTexts& texts) {
    for (const RequiredText& required : kRequired)
        if ((texts.*required.field).empty()) return std::string("the ") + required.name + " is empty";
    if (texts.total != kWholeYearTotal)
        return "the months total " + (texts.total.empty() ? std::string("nothing") : texts.total) + ", not " +
               kWholeYearTotal;
    return std::nullopt;
}
