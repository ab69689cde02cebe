// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the PDF mode (each option also as --option=VALUE):
//   --pdf FILE [--plan PLAN]    the remembered plan, or the [Info] section of PLAN, to FILE
//   --pdf FILE PLAN.qmplan      a plan file to FILE
//   --pdf-dir DIR PLAN...       each plan file to DIR/<its base name>.pdf
#include <optional>
#include <string>
#include <vector>

struct PdfArguments {
    bool requested = false;              // --pdf, --plan or --pdf-dir was given
    std::string pdfFile;                 // where the proposal goes (--pdf)
    std::optional<std::string> planFile; // the plan's settings file (--plan); none: the data folder's
    std::string pdfDir;                  // --pdf-dir: the folder the PDFs go to
    std::vector<std::string> planFiles;  // plan files (.qmplan) to print
    std::string error;                   // a usage error in one line; empty when the line is sound
};

// Reads the arguments after the program's name. When none of the options is among them,
// nothing is requested and the rest is left to the window program. Otherwise every argument
// must belong to the PDF mode.
PdfArguments ParsePdfArguments(const std::vector<std::string>& arguments);
