// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A filled plan to print.
#include "report/proposal_inputs.h"

// The "Florists" profile from January 2019 with a $12,000 budget at $50 an ad: Base 50, Events
// 40, Opportunity 10. Months above 8.3: February 9.6, April 8.5, May 11.7, December 11.0.
ProposalInputs FloristsPlan();
