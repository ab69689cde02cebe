// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-page yearly proposal, drawn through the page layer from the planner's texts.
#include "report/proposal_inputs.h"
#include "report/station_page.h"

// Opens a page description, draws the proposal and ends it, which hands the page to the page
// sink. Returns false, having drawn nothing, when the page description could not be opened;
// the caller then shows the notice below. The station's logo and footer are drawn when given.
bool BuildProposal(const ProposalInputs& inputs, const StationOnPage& station = {});

// The notice for a page description that could not be opened.
inline constexpr const char* kPrinterErrorTitle = "Printer Error";
inline constexpr const char* kPrinterErrorText1 = "Unable to initialize the document";
inline constexpr const char* kPrinterErrorText2 = "One of the required helper programs may be missing";
