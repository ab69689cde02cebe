#include "report/pdf_arguments.h"

#include <string_view>

namespace {

constexpr std::string_view kPdf = "--pdf";
constexpr std::string_view kPlan = "--plan";

bool Names(std::string_view argument, std::string_view option) {
    return argument == option ||
           (argument.size() > option.size() && argument.substr(0, option.size()) == option &&
            argument[option.size()] == '=');
}

// Takes the option's value from "--option=VALUE" or from the next argument.
std::optional<std::string> TakeValue(const std::vector<std::string>& arguments, size_t& i,
                                     std::string_view option) {
    const std::string& argument = arguments[i];
    if (argument.size() > option.size()) return argument.substr(option.size() + 1);
    if (i + 1 >= arguments.size()) return std::nullopt;
    return arguments[++i];
}

} // namespace

PdfArguments ParsePdfArguments(const std::vector<std::string>& arguments) {
    PdfArguments result;
    for (const std::string& argument : arguments)
        result.requested = result.requested || Names(argument, kPdf) || Names(argument, kPlan);
    if (!result.requested) return result;

    bool pdfGiven = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isPdf = Names(argument, kPdf);
        if (!isPdf && !Names(argument, kPlan)) {
            result.error = "unknown argument " + argument;
            return result;
        }
        const std::string option(isPdf ? kPdf : kPlan);
        if (isPdf ? pdfGiven : result.planFile.has_value()) {
            result.error = option + " is given twice";
            return result;
        }
        const std::optional<std::string> value = TakeValue(arguments, i, option);
        if (!value || value->empty()) {
            result.error = option + (isPdf ? " needs a file name" : " needs a plan file");
            return result;
        }
        if (isPdf) {
            pdfGiven = true;
            result.pdfFile = *value;
        } else {
            result.planFile = *value;
        }
    }
    if (result.error.empty() && !pdfGiven) result.error = "--plan needs --pdf FILE";
    return result;
}
