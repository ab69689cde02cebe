// SPDX-License-Identifier: GPL-3.0-or-later
// When a plan may be printed, and the command line of the PDF mode.
#include "report/pdf_arguments.h"
#include "report/print_readiness.h"

#include <gtest/gtest.h>

namespace {

PrintReadinessTexts Printable() {
    return {"Rosie's Flowers", "WQMK", "Dana Reyes", "$12,000.00", "100.0"};
}

TEST(PrintReadiness, AFilledPlanWithAWholeYearPrints) {
    EXPECT_EQ(WhyNotPrintable(Printable()), std::nullopt);
}

TEST(PrintReadiness, EachMissingPieceIsNamed) {
    struct Case {
        std::string PrintReadinessTexts::*field;
        std::string text;
        std::string reason;
    };
    const Case cases[] = {
        {&PrintReadinessTexts::client, "", "the client is empty"},
        {&PrintReadinessTexts::station, "", "the station is empty"},
        {&PrintReadinessTexts::salesrep, "", "the salesrep is empty"},
        {&PrintReadinessTexts::budget, "", "the budget is empty"},
        {&PrintReadinessTexts::total, "99.9", "the months total 99.9, not 100.0"},
        {&PrintReadinessTexts::total, "100.1", "the months total 100.1, not 100.0"},
        {&PrintReadinessTexts::total, "100", "the months total 100, not 100.0"},
        {&PrintReadinessTexts::total, "", "the months total nothing, not 100.0"},
    };
    for (const Case& c : cases) {
        PrintReadinessTexts texts = Printable();
        texts.*c.field = c.text;
        EXPECT_EQ(WhyNotPrintable(texts), c.reason) << c.reason;
    }
}

TEST(PrintReadiness, TheFirstMissingFieldIsTold) {
    EXPECT_EQ(WhyNotPrintable({"", "", "", "", "0.0"}), "the client is empty");
    EXPECT_EQ(WhyNotPrintable({"A", "B", "", "", "0.0"}), "the salesrep is empty");
}

TEST(PrintReadiness, BlanksCountAsText) {
    // The window trims the client fields when they are left; what it holds is what counts.
    EXPECT_EQ(WhyNotPrintable({" ", "B", "C", "$1", "100.0"}), std::nullopt);
}

struct ArgumentCase {
    std::vector<std::string> arguments;
    bool requested;
    std::string pdfFile;
    std::optional<std::string> planFile;
    std::string error;
};

TEST(PdfArguments, TheFormsOfTheCommandLine) {
    const ArgumentCase cases[] = {
        {{}, false, "", std::nullopt, ""},
        {{"/update"}, false, "", std::nullopt, ""},
        {{"--pdf", "out.pdf"}, true, "out.pdf", std::nullopt, ""},
        {{"--pdf=out.pdf"}, true, "out.pdf", std::nullopt, ""},
        {{"--pdf", "out.pdf", "--plan", "plan.ini"}, true, "out.pdf", "plan.ini", ""},
        {{"--plan", "plan.ini", "--pdf", "out.pdf"}, true, "out.pdf", "plan.ini", ""},
        {{"--plan=my plan.ini", "--pdf=my out.pdf"}, true, "my out.pdf", "my plan.ini", ""},
        // A file whose name starts with dashes is still the value that follows the option.
        {{"--pdf", "--odd.pdf"}, true, "--odd.pdf", std::nullopt, ""},
    };
    for (const ArgumentCase& c : cases) {
        const PdfArguments parsed = ParsePdfArguments(c.arguments);
        const std::string line = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(parsed.requested, c.requested) << line;
        EXPECT_EQ(parsed.pdfFile, c.pdfFile) << line;
        EXPECT_EQ(parsed.planFile, c.planFile) << line;
        EXPECT_EQ(parsed.error, c.error) << line;
    }
}

TEST(PdfArguments, UsageErrorsAreToldInOneLine) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--pdf"}, "--pdf needs a file name"},
        {{"--pdf="}, "--pdf needs a file name"},
        {{"--pdf", "a.pdf", "--plan"}, "--plan needs a plan file"},
        {{"--plan", "plan.ini"}, "--plan needs --pdf FILE"},
        {{"--pdf", "a.pdf", "--pdf", "b.pdf"}, "--pdf is given twice"},
        {{"--pdf", "a.pdf", "--plan", "p", "--plan=q"}, "--plan is given twice"},
        {{"--pdf", "a.pdf", "extra"}, "unknown argument extra"},
        {{"/update", "--pdf", "a.pdf"}, "unknown argument /update"},
        {{"--pdfs", "a.pdf", "--pdf", "b.pdf"}, "unknown argument --pdfs"},
    };
    for (const auto& [arguments, error] : cases) {
        const PdfArguments parsed = ParsePdfArguments(arguments);
        EXPECT_TRUE(parsed.requested) << error;
        EXPECT_EQ(parsed.error, error);
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

TEST(PdfArguments, PlanFilesAndBatches) {
    struct Case {
        std::vector<std::string> arguments;
        std::string pdfFile, pdfDir;
        std::vector<std::string> planFiles;
        std::string error;
    };
    const Case cases[] = {
        {{"--pdf", "out.pdf", "a.qmplan"}, "out.pdf", "", {"a.qmplan"}, ""},
        {{"a.qmplan", "--pdf=out.pdf"}, "out.pdf", "", {"a.qmplan"}, ""},
        {{"--pdf-dir", "out", "a.qmplan", "b c.qmplan"}, "", "out", {"a.qmplan", "b c.qmplan"}, ""},
        {{"x.qmplan", "--pdf-dir=out", "y"}, "", "out", {"x.qmplan", "y"}, ""},
        {{"--pdf", "out.pdf", "a.qmplan", "b.qmplan"},
         "out.pdf",
         "",
         {"a.qmplan"},
         "unknown argument b.qmplan"},
        {{"--pdf", "out.pdf", "--plan", "p.ini", "a.qmplan"},
         "out.pdf",
         "",
         {"a.qmplan"},
         "--plan cannot be given with a plan file"},
        {{"a.qmplan"}, "", "", {}, ""}, // no option: the window opens the plan
        {{"--pdf-dir", "out"}, "", "out", {}, "--pdf-dir needs at least one plan file"},
        {{"--pdf-dir"}, "", "", {}, "--pdf-dir needs a folder"},
        {{"--pdf-dir", "o", "a.qmplan", "--pdf-dir", "p"}, "", "o", {"a.qmplan"}, "--pdf-dir is given twice"},
        {{"--pdf-dir", "o", "--plan", "p"}, "", "o", {}, "--pdf-dir cannot be given with --pdf or --plan"},
    };
    for (const Case& c : cases) {
        const PdfArguments parsed = ParsePdfArguments(c.arguments);
        const std::string line = c.arguments.front();
        EXPECT_EQ(parsed.error, c.error) << line;
        if (!c.error.empty()) continue;
        EXPECT_EQ(parsed.pdfFile, c.pdfFile) << line;
        EXPECT_EQ(parsed.pdfDir, c.pdfDir) << line;
        EXPECT_EQ(parsed.planFiles, c.planFiles) << line;
    }
}

} // namespace
