// SPDX-License-Identifier: GPL-3.0-or-later
// Print from the real planner window: what the proposal reads back from the window's texts,
// where the page goes, and the notice when it has nowhere to go.
#include "msgbox/markup_literal.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "report/planner_proposal.h"
#include "report/print_preview.h"
#include "tests/report/modal_answer.h"
#include "tests/report/page_capture.h"
#include "tests/report/planner_print_fixture.h"
#include "tests/report/proposal_fixture.h"

#include <QWidget>

#include <filesystem>
#include <variant>

using namespace qm;

namespace {

class PrintFromPlanner : public PlannerPrintFixture {};

const std::array<std::string, 12> kFloristsMonths = {"6.5", "9.6", "7.7", "8.5", "11.7", "8.1",
                                                     "7.0", "7.0", "7.5", "7.9", "7.5",  "11.0"};

TEST_F(PrintFromPlanner, ReadsEveryValueFromTheWindowsTexts) {
    open();
    enter(kClient, "  Rosie's Flowers  ");
    eztest::ChooseItem(kForm, kStartMonth, 1); // February
    eztest::MoveSlider(kForm, kSlider, 50);

    const ProposalInputs in = ReadPlannerProposal();
    EXPECT_EQ(in.client, "Rosie's Flowers"); // trimmed by the field when it was left
    EXPECT_EQ(in.station, "WQMK 101.5");
    EXPECT_EQ(in.salesrep, "Pat Ortega");
    EXPECT_EQ(in.presentationDate, "11-05-2018");
    EXPECT_EQ(in.startMonthIndex, 1);
    EXPECT_EQ(in.year, "2018");
    EXPECT_EQ(in.budget, "$12,000.00");
    EXPECT_EQ(in.rate, "$50.00");
    EXPECT_EQ(in.months, kFloristsMonths);
    EXPECT_EQ(in.base, "50");
    EXPECT_EQ(in.events, "40");
    EXPECT_EQ(in.opportunity, "10");
    EXPECT_EQ(in.currency, 0);
    EXPECT_FALSE(in.monoChart);
}

TEST_F(PrintFromPlanner, TheMenuAndTheToolbarPrintTheWindowsPlan) {
    open();
    enter(kSalesrep, "Dana Reyes");
    PageCapture capture;
    ASSERT_TRUE(eztest::MenuEnabled(kForm, kMenuPrint));
    eztest::ClickMenu(kForm, kMenuPrint);
    ASSERT_TRUE(eztest::ToolbarEnabled(kForm, kPrintButton));
    eztest::ClickToolbar(kForm, kPrintButton);
    ASSERT_EQ(capture.pages.size(), 2u);

    for (const PageRecord& page : capture.pages) {
        EXPECT_TRUE(FindText(page, "Yearly Proposal for Bloom & Petal"));
        EXPECT_TRUE(FindText(page, "Presented by: Dana Reyes, WQMK 101.5"));
        EXPECT_TRUE(FindText(page, "Presented: 11-05-2018"));
        EXPECT_TRUE(FindText(page, "TOTAL BUDGET: $12,000"));
        EXPECT_TRUE(FindText(page, "OPPORTUNITY BUDGET: $1,200 (10%)"));
        EXPECT_TRUE(FindText(page, "SPECIAL EVENT BUDGET: $3,000  (25%)"));
        EXPECT_TRUE(FindText(page, "YEARLY BASE BUDGET: $7,800  (65%)"));
        EXPECT_EQ(TextsAt(page, ColumnX(1), 7.15f), std::vector<std::string>{"NOV '18"});
        EXPECT_EQ(TextsAt(page, ColumnX(3), 7.15f), std::vector<std::string>{"JAN '19"});
        // December (11.0 %) is the second column and lies above the average line: red.
        const std::vector<PageRect> december = RectsAround(page, ColumnX(2), 0.25f);
        ASSERT_FALSE(december.empty());
        EXPECT_EQ(december.front().fill, kPageRed);
    }
    EXPECT_EQ(Texts(capture.pages[0]).size(), Texts(capture.pages[1]).size());
}

TEST_F(PrintFromPlanner, TheCurrencyAndTheMonochromeOptionReachThePage) {
    setting("Options", "Currency", "1");
    setting("Options", "MonoChart", "1");
    open();
    const ProposalInputs in = ReadPlannerProposal();
    EXPECT_EQ(in.currency, 1);
    EXPECT_TRUE(in.monoChart);
    EXPECT_EQ(in.budget, "\x80"
                         "12.000,00");

    PageCapture capture;
    eztest::ClickMenu(kForm, kMenuPrint);
    ASSERT_EQ(capture.pages.size(), 1u);
    const PageRecord& page = capture.pages.front();
    EXPECT_TRUE(FindText(page, "TOTAL BUDGET: \x80"
                               "12.000"));
    EXPECT_TRUE(FindText(page, "OPPORTUNITY BUDGET: \x80"
                               "1.200 (10%)"));
    for (const PageRect& rect : Rects(page)) {
        EXPECT_NE(rect.fill, kPageRed);
        EXPECT_NE(rect.fill, kPageBlue);
    }
    EXPECT_EQ(RectsAround(page, ColumnX(2), 0.25f).front().fill, kPageBlack); // December, above the line
    EXPECT_EQ(RectsAround(page, ColumnX(1), 0.25f).front().fill, kPageGrey);  // November, below it
}

TEST_F(PrintFromPlanner, APageWithNowhereToGoIsToldAsAPrinterError) {
    open();
    SetPageSink({});
    MessageDialogState shown;
    bool asked = false;
    eztest::OnModal(kMessageDialogForm, [&] {
        asked = true;
        shown = MessageDialog();
        EZ_UNLOADFORM(kMessageDialogForm);
    });
    eztest::ClickMenu(kForm, kMenuPrint);
    ASSERT_TRUE(asked);
    EXPECT_EQ(shown.title, "Printer Error");
    EXPECT_EQ(shown.text1, "Unable to initialize the document");
    EXPECT_EQ(shown.text2, "One of the required helper programs may be missing");
    EXPECT_TRUE(eztest::FormExists(kForm)); // the planner stays as it was
}

TEST_F(PrintFromPlanner, TheStationsDetailsReachThePageAndALogoThatCannotBeReadIsToldAndLeftOut) {
    const std::string folder = data.file("logo.png");
    std::filesystem::create_directory(folder);
    setting("Station", "Logo", folder);
    setting("Station", "Name", "WQMK {101.5}");
    setting("Station", "RepEmail", "pat@wqmk.example");
    open();
    PageCapture capture;
    MessageDialogState shown;
    eztest::OnModal(kMessageDialogForm, [&] {
        shown = MessageDialog();
        EZ_UNLOADFORM(kMessageDialogForm);
    });
    eztest::ClickMenu(kForm, kMenuPrint);
    EXPECT_EQ(shown.title, "Logo Left Out");
    EXPECT_NE(shown.text2.find(MarkupLiteral(folder)), std::string::npos) << shown.text2;
    EXPECT_NE(shown.text2.find("it is a folder, not a file"), std::string::npos) << shown.text2;
    ASSERT_EQ(capture.pages.size(), 1u) << "the page is printed without the logo";
    EXPECT_TRUE(FindText(capture.pages[0], "WQMK {101.5} \xB7 pat@wqmk.example"));
    for (const PageOperation& operation : capture.pages[0].operations)
        EXPECT_FALSE(std::holds_alternative<PageImage>(operation));
}

TEST_F(PrintFromPlanner, ThePreviewOpensModalOverThePlanner) {
    open();
    SetPageSink(ShowPrintPreview);
    bool shown = false;
    WhenModal<PrintPreviewWindow>([&](PrintPreviewWindow* preview) {
        shown = true;
        EXPECT_EQ(preview->window()->parentWidget(), eztest::Window(kForm));
        EXPECT_TRUE(preview->isModal());
        EXPECT_EQ(preview->fit(), PrintPreviewWindow::Fit::Page) << "opens showing the whole page";
        preview->accept();
    });
    eztest::ClickMenu(kForm, kMenuPrint);
    EXPECT_TRUE(shown);
}

} // namespace
