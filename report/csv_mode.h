// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CSV mode: quillmark --csv FILE [--plan PLAN] writes the plan's monthly table and exits,
// with the PDF mode's rules for the plan, its refusals and its one-line answers.
#include "report/pdf_arguments.h"

// Runs the mode on Qt's offscreen platform; returns the exit code (see RunPdfMode).
int RunCsvCommand(int argc, char** argv, const PdfArguments& arguments);
