// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The proposal as the planner window holds it, and the Print command.
#include "report/proposal_inputs.h"

// The planner window's texts (form "QM") at this moment, with the two options the page
// depends on: the presentation date and the year through their pickers' day numbers, the start
// month as the list's selected index, every other value as the field's text.
ProposalInputs ReadPlannerProposal();
