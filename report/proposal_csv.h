// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The proposal's monthly table as a spreadsheet file: the figures of the printed page, taken from
// the same code that draws it.
#include "report/proposal_inputs.h"

#include <string>

// The CSV text (RFC 4180: CRLF line ends, fields with a comma, quote or line break quoted), UTF-8
// with a byte-order mark. A header row, one row per chart column in chart order, then the Base,
// Events and Opportunity budgets and the grand total, each with its amount in the Total column.
// Amounts are plain numbers with two decimals and a dot; the ads columns are empty without a rate.
std::string ProposalCsv(const ProposalInputs& inputs);

// One CSV field, quoted when it holds a comma, a double quote or a line break.
std::string CsvField(const std::string& text);
