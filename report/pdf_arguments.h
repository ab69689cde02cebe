#pragma once
// The command line of the PDF mode: --pdf FILE [--plan PLAN] (each also as --pdf=FILE).
#include <optional>
#include <string>
#include <vector>

struct PdfArguments {
    bool requested = false;              // --pdf or --plan was given
    std::string pdfFile;                 // where the proposal goes
    std::optional<std::string> planFile; // the plan's settings file; none: the data folder's
    std::string error;                   // a usage error in one line; empty when the line is sound
};

// Reads the arguments after the program's name. When neither --pdf nor --plan is among them,
// nothing is requested and the rest is left to the window program. Otherwise every argument
// must belong to the PDF mode.
PdfArguments ParsePdfArguments(const std::vector<std::string>& arguments);
