// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered client: what the planner writes to section Info when it closes, what it shows
// when it opens again, the fall-backs for names no longer in their lists, and the Clear command.
#include "tests/client/planner_session.h"

#include "dates/date_pickers.h"
#include "dates/dates.h"
#include "plan/client_info.h"

#include <QSlider>

#include <filesystem>

using namespace qm;

namespace {

class ClientInfo : public PlannerSession {
  protected:
    void SetUp() override {
        PlannerSession::SetUp();
        setting("Options", "RememberClient", "1");
    }

    static int32_t sliderValue() { return qobject_cast<QSlider*>(eztest::Widget(kForm, kSlider))->value(); }
    static int32_t sliderMaximum() {
        return qobject_cast<QSlider*>(eztest::Widget(kForm, kSlider))->maximum();
    }
};

const int32_t kPresentDate = JulianFromDate(3, 5, 2025);
const int32_t kYearDate = JulianFromDate(1, 1, 2026);

// Fills every part of the plan that is remembered.
void FillPlan() {
    PlannerSession::enter(kClient, "Rosie's Flowers");
    PlannerSession::enter(kStation, "WQMK");
    PlannerSession::enter(kSalesrep, "Dana Reyes");
    SETDT(kForm, kDate, kPresentDate);
    PlannerSession::choose(kStartMonth, "June");
    SETDT(kForm, kYear, kYearDate);
    PlannerSession::enter(kBudget, "12000");
    PlannerSession::enter(kRate, "250");
    PlannerSession::choose(kProfile, "Florists");
    eztest::MoveSlider(kForm, kSlider, 50);    // Base 50, Events 40
    PlannerSession::enter(kOpportunity, "20"); // Events stays 40: Base 40 of at most 80
}

TEST_F(ClientInfo, ClosingAndOpeningAgainBringsThePlanBack) {
    open();
    FillPlan();
    ASSERT_EQ(text(kBudget), "$12,000");
    ASSERT_EQ(text(kBase), "40");
    closeByCloseBox();

    const std::pair<const char*, std::string> keys[] = {
        {"Client", "Rosie's Flowers"},
        {"Station", "WQMK"},
        {"Salesrep", "Dana Reyes"},
        {"PresentDate", std::to_string(kPresentDate)},
        {"StartMonth", "June"},
        {"Year", std::to_string(kYearDate)},
        {"Budget", "12000"},
        {"Rate", "250"},
        {"Profile", "Florists"},
        {"Opportunity", "20"},
        {"MaxValue", "80"},
        {"CurrValue", "40"},
    };
    for (const auto& [key, value] : keys)
        EXPECT_EQ(stored("Info", key), value) << key;

    open();
    EXPECT_EQ(text(kClient), "Rosie's Flowers");
    EXPECT_EQ(text(kStation), "WQMK");
    EXPECT_EQ(text(kSalesrep), "Dana Reyes");
    EXPECT_EQ(GETDT(kForm, kDate), kPresentDate);
    EXPECT_EQ(text(kStartMonth), "June");
    EXPECT_EQ(GETDT(kForm, kYear), kYearDate);
    EXPECT_EQ(text(kBudget), "$12,000.00");
    EXPECT_EQ(text(kRate), "$250.00");
    EXPECT_EQ(text(kProfile), "Florists");
    EXPECT_EQ(Plan().ProfileIndex, 22);
    EXPECT_EQ(text(MonthField(2)), "9.6");
    EXPECT_EQ(text(MonthField(5)), "11.7");
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_TRUE(offered(kMenuEdit, kEditButton));
    EXPECT_EQ(text(kBase), "40");
    EXPECT_EQ(text(kEvents), "40");
    EXPECT_EQ(text(kOpportunity), "20");
    EXPECT_EQ(sliderMaximum(), 80);
    EXPECT_EQ(sliderValue(), 40);
    EXPECT_EQ(Plan().ratios.Opportunity, 20);
    EXPECT_EQ(Plan().ratios.MaxValue, 80);
    EXPECT_EQ(Plan().ratios.CurrValue, 40);

    // Two decimals until the field is left once.
    eztest::Focus(kForm, kBudget);
    eztest::Tab();
    EXPECT_EQ(text(kBudget), "$12,000");
    eztest::Focus(kForm, kRate);
    eztest::Tab();
    EXPECT_EQ(text(kRate), "$250");
}

TEST_F(ClientInfo, EuroAmountsAreStoredPlainAndComeBackWithTwoDecimals) {
    setting("Options", "Currency", "1");
    open();
    enter(kBudget, "12346");
    ASSERT_EQ(text(kBudget), "\x80"
                             "12.346");
    enter(kRate, "1234,5");
    ASSERT_EQ(text(kRate), "\x80"
                           "1.234"); // whole units, halves to even
    closeByCloseBox();
    EXPECT_EQ(stored("Info", "Budget"), "12346");
    EXPECT_EQ(stored("Info", "Rate"), "1234");

    open();
    EXPECT_EQ(text(kBudget), "\x80"
                             "12.346,00");
    EXPECT_EQ(text(kRate), "\x80"
                           "1.234,00");
}

TEST_F(ClientInfo, AmountsOfNothingLeaveTheFieldsEmpty) {
    for (const char* amount : {"0", "-50", "abc", ""}) {
        SCOPED_TRACE(amount);
        setting("Info", "Budget", amount);
        setting("Info", "Rate", amount);
        open();
        EXPECT_EQ(text(kBudget), "");
        EXPECT_EQ(text(kRate), "");
        resetWindows();
    }
}

TEST_F(ClientInfo, WithRememberClientOffOnlyThePlacementIsWritten) {
    setting("Options", "RememberClient", "0");
    open();
    FillPlan();
    closeByCloseBox();
    EXPECT_EQ(data.read("QMK.ini").find("[Info]"), std::string::npos) << data.read("QMK.ini");
    EXPECT_NE(stored("QM", "LastCol"), "<absent>");
    EXPECT_NE(stored("QM", "FormWid"), "<absent>");

    open();
    EXPECT_EQ(text(kClient), "");
    EXPECT_EQ(text(kBudget), "");
    EXPECT_EQ(text(kProfile), "None");
    EXPECT_EQ(text(kBase), "65");
    EXPECT_EQ(text(kOpportunity), "10");
}

TEST_F(ClientInfo, AClientThatCannotBeKeptIsToldAndTheFileLeftAsItWas) {
    const std::string before = data.read("QMK.ini");
    std::filesystem::permissions(data.path() / "QMK.ini", std::filesystem::perms::owner_read);
    open();
    FillPlan();
    answerNextDialog(1); // "Settings Not Saved"
    closeByCloseBox();
    std::filesystem::permissions(data.path() / "QMK.ini",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].title, "Settings Not Saved");
    EXPECT_NE(asked[0].text1.find("could not be written to " + data.file("QMK.ini") + ": the file is read-only"),
              std::string::npos)
        << asked[0].text1;
    EXPECT_EQ(data.read("QMK.ini"), before);
}

TEST_F(ClientInfo, AMonthTooLargeToAddUpNeverMakesTheTotalAHundred) {
    // A hand-edited profile: January 1e15, the other months adding up to 100 by themselves.
    std::string profiles = "\"None\"\r\n";
    for (int month = 0; month < 12; ++month) profiles += "0\r\n";
    profiles += "\"Huge January\"\r\n1000000000000000\r\n";
    for (int month = 1; month < 12; ++month) profiles += (month == 1 ? "45\r\n" : "5\r\n");
    profiles += "\"Florists\"\r\n100\r\n";
    for (int month = 1; month < 12; ++month) profiles += "0\r\n";
    data.write("Categories.dat", profiles);
    open();
    FillPlan(); // a plan that prints with Florists
    ASSERT_TRUE(offered(kMenuPrint, kPrintButton));
    choose(kProfile, "Huge January");
    EXPECT_NE(text(kTotal), "100.0");
    EXPECT_TRUE(withheld(kMenuPrint, kPrintButton));
}

TEST_F(ClientInfo, TextsInQuotesKeepTheirQuotes) {
    // The settings file takes one pair of quotes off a value, so such texts are stored quoted.
    open();
    enter(kClient, "\"Acme\"");
    enter(kStation, "'WQMK'");
    enter(kSalesrep, "\"Dana\" Reyes");
    closeByCloseBox();
    open();
    EXPECT_EQ(text(kClient), "\"Acme\"");
    EXPECT_EQ(text(kStation), "'WQMK'");
    EXPECT_EQ(text(kSalesrep), "\"Dana\" Reyes");
}

TEST_F(ClientInfo, ANameNoLongerInItsListFallsBackToTheFirstItem) {
    struct Case {
        const char* profile;
        const char* month;
        const char* shownProfile;
        const char* shownMonth;
    };
    const Case cases[] = {
        {"Bakeries", "Janury", "None", "January"}, // a deleted profile, a misspelt month
        {"", "", "None", "January"},
        {"florists", "june", "Florists", "June"}, // the lists find their items ignoring case
        {"Beer", "October", "Beer", "October"},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        // Another profile and month first, so that keeping them would show.
        choose(kProfile, "Jewelry Stores");
        choose(kStartMonth, "March");
        setting("Info", "Profile", c.profile);
        setting("Info", "StartMonth", c.month);
        RestoreClientInfo();
        EXPECT_EQ(text(kProfile), c.shownProfile);
        EXPECT_EQ(Plan().ProfileIndex, EZ_FINDNEXT(kForm, kProfile, c.shownProfile, 0));
        EXPECT_EQ(text(kStartMonth), c.shownMonth);
    }

    // At start-up the window then shows the "None" profile's months.
    closeByCloseBox();
    setting("Info", "Profile", "Bakeries");
    setting("Info", "StartMonth", "Janury");
    open();
    EXPECT_EQ(text(kProfile), "None");
    EXPECT_EQ(text(kStartMonth), "January");
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(text(MonthField(m)), "0.0") << m;
    EXPECT_EQ(text(kTotal), "0.0");
    EXPECT_TRUE(withheld(kMenuEdit, kEditButton));
}

class ClearCommand : public PlannerSession {
  protected:
    void SetUp() override {
        PlannerSession::SetUp();
        setting("Options", "RememberClient", "0");
    }
    void fillAndRemember() {
        FillPlan();
        choose(kStartMonth, "March");
        ratiosBefore = Plan().ratios;
        ratioTexts = {text(kBase), text(kEvents), text(kOpportunity)};
    }
    void expectRatiosUntouched() const {
        EXPECT_EQ(Plan().ratios.Opportunity, ratiosBefore.Opportunity);
        EXPECT_EQ(Plan().ratios.MaxValue, ratiosBefore.MaxValue);
        EXPECT_EQ(Plan().ratios.CurrValue, ratiosBefore.CurrValue);
        EXPECT_EQ((std::vector<std::string>{text(kBase), text(kEvents), text(kOpportunity)}), ratioTexts);
    }
    BudgetRatios ratiosBefore;
    std::vector<std::string> ratioTexts;
};

TEST_F(ClearCommand, AsksThenClearsTheProfileAndWithClearClientTheClient) {
    struct Case {
        const char* clearClient;
        const char* text2;
    };
    const Case cases[] = {
        {"0", "Only the Business Profile will be removed.{f6}"},
        {"1", "Both Client Information and Business Profile will be removed.{f6}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clearClient);
        asked.clear();
        setting("Options", "ClearClient", c.clearClient);
        open();
        fillAndRemember();
        ASSERT_TRUE(offered(kMenuClear, kClearButton));
        answerNextDialog(1);
        eztest::ClickMenu(kForm, kMenuClear);

        ASSERT_EQ(asked.size(), 1U);
        EXPECT_EQ(asked[0].title, "Clear Profile");
        EXPECT_EQ(asked[0].text1, "Are you SURE you want to clear this profile?{f10}");
        EXPECT_EQ(asked[0].text2, c.text2);
        EXPECT_EQ(asked[0].buttons, "*{G,f7}|&Yes|&No");
        EXPECT_EQ(asked[0].defaultButton, 2);

        EXPECT_EQ(text(kProfile), "None");
        EXPECT_EQ(Plan().ProfileIndex, 0);
        for (int m = 1; m <= 12; ++m)
            EXPECT_EQ(text(MonthField(m)), "0.0") << m;
        EXPECT_EQ(text(kTotal), "0.0");
        EXPECT_TRUE(withheld(kMenuPrint, kPrintButton));
        EXPECT_TRUE(withheld(kMenuEdit, kEditButton));
        EXPECT_TRUE(withheld(kMenuClear, kClearButton));
        expectRatiosUntouched();

        const bool clientCleared = std::string(c.clearClient) == "1";
        const int32_t today = JulianFromDate(kToday.month, kToday.day, kToday.year);
        EXPECT_EQ(text(kClient), clientCleared ? "" : "Rosie's Flowers");
        EXPECT_EQ(text(kStation), clientCleared ? "" : "WQMK");
        EXPECT_EQ(text(kSalesrep), clientCleared ? "" : "Dana Reyes");
        EXPECT_EQ(text(kBudget), clientCleared ? "" : "$12,000");
        EXPECT_EQ(text(kRate), clientCleared ? "" : "$250");
        EXPECT_EQ(GETDT(kForm, kDate), clientCleared ? today : kPresentDate);
        EXPECT_EQ(text(kStartMonth), clientCleared ? "June" : "March"); // today's month
        EXPECT_EQ(GETDT(kForm, kYear), clientCleared ? today : kYearDate);

        resetWindows();
    }
}

TEST_F(ClearCommand, NoOrClosingTheQuestionChangesNothing) {
    setting("Options", "ClearClient", "1");
    open();
    fillAndRemember();
    for (int32_t answer : {2, kDismiss}) {
        SCOPED_TRACE(answer);
        answerNextDialog(answer);
        eztest::ClickToolbar(kForm, kClearButton);
        EXPECT_EQ(text(kProfile), "Florists");
        EXPECT_EQ(Plan().ProfileIndex, 22);
        EXPECT_EQ(text(MonthField(2)), "9.6");
        EXPECT_EQ(text(kTotal), "100.0");
        EXPECT_EQ(text(kClient), "Rosie's Flowers");
        EXPECT_EQ(text(kBudget), "$12,000");
        EXPECT_EQ(text(kStartMonth), "March");
        EXPECT_TRUE(offered(kMenuClear, kClearButton));
        expectRatiosUntouched();
    }
    EXPECT_EQ(asked.size(), 2U);
}

} // namespace
