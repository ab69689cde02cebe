// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/csv_arguments.h"

#include <string_view>

namespace {

constexpr std::string_view kCsv = "--csv";
constexpr std::string_view kPdf = "--pdf";

bool Names(std::string_view argument, std::string_view option) {
    return argument.substr(0, option.size()) == option &&
           (argument.size() == option.size() || argument[option.size()] == '=');
}

// Every "--pdf" of a message read as "--csv".
std::string InCsvTerms(std::string message) {
    for (size_t at = message.find(kPdf); at != std::string::npos; at = message.find(kPdf, at + kCsv.size()))
        message.replace(at, kPdf.size(), kCsv);
    return message;
}

} // namespace

PdfArguments ParseCsvArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> asPdf;
    bool csvGiven = false, pdfGiven = false;
    for (const std::string& argument : arguments) {
        pdfGiven = pdfGiven || Names(argument, kPdf);
        const bool isCsv = Names(argument, kCsv);
        csvGiven = csvGiven || isCsv;
        asPdf.push_back(isCsv ? std::string(kPdf) + argument.substr(kCsv.size()) : argument);
    }
    PdfArguments result;
    if (!csvGiven) return result;
    if (pdfGiven) {
        result.requested = true;
        result.error = "--csv and --pdf cannot be given together";
        return result;
    }
    result = ParsePdfArguments(asPdf);
    result.error = InCsvTerms(result.error);
    return result;
}
