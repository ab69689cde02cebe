// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The proposal as the planner window holds it, and the Print command.
#include "report/proposal_inputs.h"
#include "report/station_page.h"

#include <optional>
#include <string>

// The planner window's texts (form "QM") at this moment, with the two options the page
// depends on: the presentation date and the year through their pickers' day numbers, the start
// month as the list's selected index, every other value as the field's text.
ProposalInputs ReadPlannerProposal();

// Why the planner's plan cannot be printed now (an empty client, station, salesrep or budget, or
// months that do not total "100.0"); nothing when it can. Print, the PDF mode, the export and the
// e-mail all take the same plans.
std::optional<std::string> WhyPlannerCannotPrint();

// The station's logo and footer for a page printed from the window. A logo that cannot be read
// is told in a notice (below) and left out; the page is printed without it.
StationOnPage StationForPrinting();
inline constexpr const char* kLogoLeftOutTitle = "Logo Left Out";
inline constexpr const char* kLogoLeftOutAdvice = "Choose another in Plan > Station & Contact.";
