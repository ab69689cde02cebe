// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the CSV mode: --csv FILE [--plan PLAN] (each also as --csv=FILE), read by
// the rules of the PDF mode's line with --csv in the place of --pdf.
#include "report/pdf_arguments.h"

// `requested` when --csv is among the arguments; `pdfFile` is then the CSV file. A usage error in
// one line otherwise, as for the PDF mode; --csv and --pdf together are refused.
PdfArguments ParseCsvArguments(const std::vector<std::string>& arguments);
