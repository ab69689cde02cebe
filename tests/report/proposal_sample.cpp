// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/report/proposal_sample.h"

ProposalInputs FloristsPlan() {
    ProposalInputs plan;
    plan.client = "  Bloom & Petal Florists ";
    plan.station = "WQMK 101.5";
    plan.salesrep = "Pat Ortega";
    plan.presentationDate = "11-05-2018";
    plan.startMonthIndex = 0;
    plan.year = "2019";
    plan.budget = "$12,000";
    plan.rate = "$50";
    plan.months = {"6.5", "9.6", "7.7", "8.5", "11.7", "8.1", "7.0", "7.0", "7.5", "7.9", "7.5", "11.0"};
    plan.base = "50";
    plan.events = "40";
    plan.opportunity = "10";
    return plan;
}
