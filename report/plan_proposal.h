// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the proposal reads from the planner window, taken straight from a plan file: the texts
// the window shows once it has opened the plan (its own percentages, in its own currency). The
// PDF modes print plan files from it without building a window.
#include "plan/plan_file.h"
#include "report/proposal_inputs.h"

ProposalInputs ProposalOfPlan(const PlanDocument& plan, bool monoChart);
