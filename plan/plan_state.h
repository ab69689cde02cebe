// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The integers kept beside the planner window's fields, and the handlers' own flags.
#include <cstdint>

struct BudgetRatios {
    int32_t Opportunity = 0; // the Opportunity share, in percent
    int32_t MaxValue = 0;    // the slider's maximum: the percent left for Base and Events
    int32_t CurrValue = 0;   // the slider's position: the Base share, in percent
};

struct PlanState {
    BudgetRatios ratios;
    int32_t ProfileIndex = 0;         // the selected row of the profile store; 0 = "None"
    bool sliderToggle = false;        // the slider acts on every other change notification
    bool opportunityModified = false; // the Opportunity text changed since the field was entered
};

PlanState& Plan();
