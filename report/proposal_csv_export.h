// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly table written to a CSV file: the Export Monthly Table command and the --csv mode.
#include "app/files/safe_file.h"
#include "report/proposal_inputs.h"

#include <QString>

// The CSV of the plan in `path`, replaced whole or left as it was (with the reason).
FileResult WriteProposalCsv(const ProposalInputs& inputs, const QString& path);

// The planner's Plan > Export Monthly Table…: asks for a file and writes the plan on the window
// to it; a plan that could not be printed, or a file that cannot be written, is told in a notice.
void ExportMonthlyTable();
