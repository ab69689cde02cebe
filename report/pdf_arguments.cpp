// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pdf_arguments.h"

#include <string_view>

namespace {

constexpr std::string_view kPdf = "--pdf";
constexpr std::string_view kPlan = "--plan";
constexpr std::string_view kPdfDir = "--pdf-dir";
constexpr std::string_view kPlanSuffix = ".qmplan";

bool Names(std::string_view argument, std::string_view option) {
    return argument == option ||
           (argument.size() > option.size() && argument.substr(0, option.size()) == option &&
            argument[option.size()] == '=');
}

bool IsOption(std::string_view argument) {
    return Names(argument, kPdf) || Names(argument, kPlan) || Names(argument, kPdfDir);
}

bool IsPlanFileName(std::string_view argument) {
    return argument.size() > kPlanSuffix.size() &&
           argument.substr(argument.size() - kPlanSuffix.size()) == kPlanSuffix;
}

// Takes the option's value from "--option=VALUE" or from the next argument.
std::optional<std::string> TakeValue(const std::vector<std::string>& arguments, size_t& i,
                                     std::string_view option) {
    const std::string& argument = arguments[i];
    if (argument.size() > option.size()) return argument.substr(option.size() + 1);
    if (i + 1 >= arguments.size()) return std::nullopt;
    return arguments[++i];
}

// --pdf-dir DIR PLAN...: every other argument is a plan file.
void ReadBatch(const std::vector<std::string>& arguments, PdfArguments& result) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (Names(argument, kPdf) || Names(argument, kPlan)) {
            result.error = "--pdf-dir cannot be given with --pdf or --plan";
            return;
        }
        if (!Names(argument, kPdfDir)) {
            result.planFiles.push_back(argument);
            continue;
        }
        if (!result.pdfDir.empty()) {
            result.error = "--pdf-dir is given twice";
            return;
        }
        const std::optional<std::string> value = TakeValue(arguments, i, kPdfDir);
        if (!value || value->empty()) {
            result.error = "--pdf-dir needs a folder";
            return;
        }
        result.pdfDir = *value;
    }
    if (result.planFiles.empty()) result.error = "--pdf-dir needs at least one plan file";
}

} // namespace

PdfArguments ParsePdfArguments(const std::vector<std::string>& arguments) {
    PdfArguments result;
    bool batch = false;
    for (const std::string& argument : arguments) {
        result.requested = result.requested || IsOption(argument);
        batch = batch || Names(argument, kPdfDir);
    }
    if (!result.requested) return result;
    if (batch) {
        ReadBatch(arguments, result);
        return result;
    }

    bool pdfGiven = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isPdf = Names(argument, kPdf);
        if (!isPdf && !Names(argument, kPlan)) {
            if (IsPlanFileName(argument) && result.planFiles.empty()) {
                result.planFiles.push_back(argument);
                continue;
            }
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
    if (!pdfGiven)
        result.error = result.planFile ? "--plan needs --pdf FILE" : "a plan file needs --pdf FILE";
    else if (result.planFile && !result.planFiles.empty())
        result.error = "--plan cannot be given with a plan file";
    return result;
}
