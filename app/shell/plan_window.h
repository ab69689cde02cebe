// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plan between its file and the planner window "QM".
#include "plan/plan_file.h"

#include <string>

// The plan as the window holds it now, in the currency the window shows.
PlanDocument PlanOnWindow();

// How the plan's percentages stand against the profile of the same name here.
enum class PlanProfileMatch {
    Same,    // the profile is here with the plan's percentages
    Changed, // the profile is here with other percentages
    NotHere, // no profile of that name
};
PlanProfileMatch MatchPlanProfile(const PlanDocument& plan);

// Fills the window from the plan: its currency, client information, ratios, the profile of its
// name (or "None" when there is none here) and the plan's own twelve percentages, unless
// `profileValues` asks for those of the profile here. The commands follow the window's rules.
void ShowPlanOnWindow(const PlanDocument& plan, bool profileValues);

// The ratios of Plan() on the slider and the Base, Events and Opportunity fields.
void ShowPlanRatios();
