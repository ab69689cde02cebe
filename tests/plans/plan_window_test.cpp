// SPDX-License-Identifier: GPL-3.0-or-later
// Plans on the real planner window: Save Plan As, Open Plan, New Plan and Recent Plans; the
// unsaved-changes question on every way of leaving a plan; files that are not plans; a profile
// that changed since the plan was saved.
#include "tests/client/planner_session.h"

#include "app/shell/plan_commands.h"
#include "app/shell/plan_dialogs.h"
#include "dates/date_pickers.h"
#include "dates/dates.h"
#include "plan/number_text.h"
#include "plan/plan_file.h"
#include "report/plan_proposal.h"
#include "report/planner_proposal.h"

#include <QLabel>
#include <QStatusBar>

#include <filesystem>
#include <functional>
#include <map>

using namespace qm;

namespace {

class PlanWindow : public PlannerSession {
  protected:
    TempFolder plans;
    std::string nextOpen, nextSave; // what the file dialogs answer; "" is Cancel

    void SetUp() override {
        PlannerSession::SetUp();
        SetPlanDialogsForTesting(
            [this](const std::string&, const std::string&) { return std::exchange(nextOpen, ""); },
            [this](const std::string&, const std::string&) { return std::exchange(nextSave, ""); });
    }
    void TearDown() override {
        SetPlanDialogsForTesting({}, {});
        PlannerSession::TearDown();
    }

    static void fillPlan(const std::string& client) {
        enter(kClient, client);
        enter(kStation, "WQMK");
        enter(kSalesrep, "Dana Reyes");
        SETDT(kForm, kDate, JulianFromDate(3, 5, 2025));
        choose(kStartMonth, "June");
        enter(kBudget, "12000");
        enter(kRate, "250");
        choose(kProfile, "Florists");
        enter(kOpportunity, "20");
    }
    // Saves the window's plan as `name` in the plans folder and returns its path.
    std::string saveAs(const std::string& name) {
        nextSave = plans.file(name);
        eztest::ClickMenu(kForm, kMenuSavePlanAs);
        return plans.file(name);
    }
    void openPlan(const std::string& path) {
        nextOpen = path;
        eztest::ClickMenu(kForm, kMenuOpenPlan);
    }
    static std::string status() {
        auto* bar = eztest::Widget(kForm, kStatusBar);
        const QList<QLabel*> parts = bar->findChildren<QLabel*>();
        return parts.isEmpty() ? "" : parts.front()->text().toStdString();
    }
    static std::vector<std::string> months() {
        std::vector<std::string> texts;
        for (int m = 1; m <= 12; ++m)
            texts.push_back(text(MonthField(m)));
        return texts;
    }
};

TEST_F(PlanWindow, ASavedPlanOpensAsItWasSaved) {
    open();
    fillPlan("Rosie's Flowers");
    const std::vector<std::string> florists = months();
    const std::string file = saveAs("rosie.qmplan");
    EXPECT_EQ(OpenPlan().file, file);
    EXPECT_FALSE(OpenPlan().changed);
    EXPECT_EQ(status(), " Plan: rosie.qmplan");
    EXPECT_FALSE(eztest::MenuEnabled(kForm, kMenuSavePlan)) << "nothing to save";

    eztest::ClickMenu(kForm, kMenuNewPlan); // nothing unsaved: no question
    EXPECT_EQ(text(kProfile), "None");
    EXPECT_TRUE(OpenPlan().file.empty());
    enter(kClient, "Someone Else");
    enter(kBudget, "500");

    answerNextDialog(2); // No: the new plan's changes go
    openPlan(file);
    ASSERT_EQ(asked.size(), 1u) << "the new plan's changes are asked about";
    EXPECT_EQ(asked[0].text1, "Save your changes before you exit?{f7}");
    EXPECT_EQ(text(kClient), "Rosie's Flowers");
    EXPECT_EQ(months(), florists);
    EXPECT_EQ(OpenPlan().file, file);
}

TEST_F(PlanWindow, OpeningBringsEveryFieldBack) {
    open();
    fillPlan("Rosie's Flowers");
    const std::vector<std::string> florists = months();
    const std::string file = saveAs("rosie.qmplan");
    eztest::ClickMenu(kForm, kMenuNewPlan);
    enter(kClient, "");
    enter(kBudget, "");
    answerNextDialog(2);

    openPlan(file);
    EXPECT_EQ(text(kClient), "Rosie's Flowers");
    EXPECT_EQ(text(kStation), "WQMK");
    EXPECT_EQ(text(kSalesrep), "Dana Reyes");
    EXPECT_EQ(GETDT(kForm, kDate), JulianFromDate(3, 5, 2025));
    EXPECT_EQ(text(kStartMonth), "June");
    EXPECT_EQ(text(kBudget), "$12,000.00");
    EXPECT_EQ(text(kRate), "$250.00");
    EXPECT_EQ(text(kProfile), "Florists");
    EXPECT_EQ(months(), florists);
    EXPECT_EQ(text(kOpportunity), "20");
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_FALSE(OpenPlan().changed);
    EXPECT_EQ(RecentPlans(), std::vector<std::string>{file});
}

// The ways of leaving a plan with unsaved changes.
struct Leaving {
    const char* name;
    std::function<void(PlanWindow&)> leave;
    bool windowCloses;
};

class LeavingWays : public PlanWindow, public ::testing::WithParamInterface<const char*> {};

const std::map<std::string, Leaving>& Ways() {
    static const std::map<std::string, Leaving> ways = {
        {"New", {"New", [](PlanWindow&) { eztest::ClickMenu(kForm, kMenuNewPlan); }, false}},
        {"Open", {"Open", [](PlanWindow&) { eztest::ClickMenu(kForm, kMenuOpenPlan); }, false}},
        {"Recent",
         {"Recent", [](PlanWindow&) { eztest::ClickMenu(kForm, kMenuFirstRecentPlan + 1); }, false}},
        {"Exit", {"Exit", [](PlanWindow&) { eztest::ClickMenu(kForm, kMenuExit); }, true}},
        {"CloseBox", {"CloseBox", [](PlanWindow&) { eztest::CloseBox(kForm); }, true}},
    };
    return ways;
}

TEST_P(LeavingWays, EveryWayOfLeavingAsksAndNothingIsLostWithoutANo) {
    const Leaving& way = Ways().at(GetParam());
    open();
    fillPlan("Other Client");
    const std::string other = saveAs("other.qmplan");
    fillPlan("Rosie's Flowers");
    const std::string file = saveAs("rosie.qmplan"); // the recent list: rosie, other
    const std::string saved = plans.read("rosie.qmplan");
    enter(kBudget, "15000");
    EXPECT_TRUE(OpenPlan().changed);
    EXPECT_EQ(status(), " Plan: rosie.qmplan \xE2\x80\x94 unsaved changes");

    // Cancel, and the dialog's close box: the plan stays with its changes, the file as it was.
    for (int answer : {3, kDismiss}) {
        answerNextDialog(answer);
        way.leave(*this);
        eztest::Settle();
        ASSERT_TRUE(eztest::FormExists(kForm)) << way.name;
        EXPECT_EQ(text(kBudget), "$15,000") << way.name;
        EXPECT_EQ(OpenPlan().file, file) << way.name;
        EXPECT_EQ(plans.read("rosie.qmplan"), saved) << way.name;
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].title, "Changes Not Saved");
    EXPECT_EQ(asked[0].text1, "Save changes to rosie.qmplan before you exit?{f7}");
    EXPECT_EQ(asked[0].buttons, "*{G,f7}|&Yes|&No|&Cancel");

    // Yes: the plan is saved, then left.
    nextOpen = other;
    answerNextDialog(1);
    way.leave(*this);
    eztest::Settle();
    const PlanRead read = ReadPlanFile(QString::fromStdString(file));
    ASSERT_TRUE(read.plan) << read.reason;
    EXPECT_EQ(read.plan->Info("Budget"), "15000") << way.name;
    EXPECT_EQ(eztest::FormExists(kForm), !way.windowCloses) << way.name;
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingWays, ::testing::Values("New", "Open", "Recent", "Exit", "CloseBox"));

TEST_F(PlanWindow, TheKeysGiveTheCommands) {
    open();
    fillPlan("Rosie's Flowers");
    nextSave = plans.file("keys");
    eztest::PressShortcut(kForm, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    const std::string file = plans.file("keys.qmplan"); // the suffix is added
    ASSERT_EQ(OpenPlan().file, file);
    enter(kBudget, "15000");
    eztest::PressShortcut(kForm, QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_FALSE(OpenPlan().changed);
    EXPECT_NE(plans.read("keys.qmplan").find("Budget=15000\r\n"), std::string::npos);
    eztest::PressShortcut(kForm, QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(OpenPlan().file.empty());
    nextOpen = file;
    eztest::PressShortcut(kForm, QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(OpenPlan().file, file);
    EXPECT_EQ(text(kBudget), "$15,000.00");
}

TEST_F(PlanWindow, NoLeavesThePlanWithoutSaving) {
    open();
    fillPlan("Rosie's Flowers");
    const std::string file = saveAs("rosie.qmplan");
    const std::string saved = plans.read("rosie.qmplan");
    enter(kBudget, "15000");
    answerNextDialog(2);
    eztest::ClickMenu(kForm, kMenuNewPlan);
    EXPECT_EQ(plans.read("rosie.qmplan"), saved);
    EXPECT_TRUE(OpenPlan().file.empty());
    EXPECT_FALSE(OpenPlan().changed);
}

TEST_F(PlanWindow, AMissingRecentPlanIsDroppedWithAWord) {
    open();
    fillPlan("A");
    const std::string a = saveAs("a.qmplan");
    fillPlan("B");
    const std::string b = saveAs("b.qmplan");
    ASSERT_EQ(RecentPlans(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(stored("Recent Plans", "Plan1"), b);
    std::filesystem::remove(a);

    answerNextDialog(1);
    eztest::ClickMenu(kForm, kMenuFirstRecentPlan + 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Plan Not Found");
    EXPECT_EQ(RecentPlans(), std::vector<std::string>{b});
    EXPECT_EQ(text(kClient), "B") << "the window keeps its plan";
    EXPECT_EQ(EZ_ISCONTROL(kForm, kMenuFirstRecentPlan + 1, "V"), 0);
    EXPECT_EQ(EZ_ISCONTROL(kForm, kMenuFirstRecentPlan, "V"), 1);
}

TEST_F(PlanWindow, AFileThatIsNotAPlanChangesNothing) {
    open();
    fillPlan("Rosie's Flowers");
    const std::string file = saveAs("rosie.qmplan");
    const std::string junk = plans.write("junk.qmplan", std::string("\x89PNG\r\n\x1A\n\0\0", 10));
    const std::string ini = plans.write("QMK.ini", "[Info]\r\nClient=Someone\r\n");
    for (const std::string& bad : {junk, ini}) {
        answerNextDialog(1);
        openPlan(bad);
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.back().title, "Plan Not Opened");
        EXPECT_NE(asked.back().text1.find(std::filesystem::path(bad).filename().string()), std::string::npos);
        EXPECT_EQ(text(kClient), "Rosie's Flowers");
        EXPECT_EQ(OpenPlan().file, file);
        EXPECT_FALSE(OpenPlan().changed);
    }
}

TEST_F(PlanWindow, AProfileChangedSinceTheSaveLetsTheUserChoose) {
    open();
    fillPlan("Rosie's Flowers");
    const std::vector<std::string> florists = months();
    const std::string file = saveAs("rosie.qmplan");
    // The plan's own percentages differ from the profile's here now.
    std::string bytes = plans.read("rosie.qmplan");
    const std::string jan = "Jan=" + florists[0] + "\r\n", feb = "Feb=" + florists[1] + "\r\n";
    const double sum = std::stod(florists[0]) + std::stod(florists[1]);
    bytes.replace(bytes.find(jan), jan.size(), "Jan=" + FormatNumber(sum - 1.0, "0.0") + "\r\n");
    bytes.replace(bytes.find(feb), feb.size(), "Feb=1.0\r\n");
    plans.write("rosie.qmplan", bytes);
    const std::vector<std::string> plansOwn = [&] {
        std::vector<std::string> m = florists;
        m[0] = FormatNumber(sum - 1.0, "0.0");
        m[1] = "1.0";
        return m;
    }();

    for (int answer : {1, 2}) {
        eztest::ClickMenu(kForm, kMenuNewPlan);
        answerNextDialog(answer);
        openPlan(file);
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.back().title, "Profile Changed");
        EXPECT_EQ(text(kProfile), "Florists");
        EXPECT_EQ(months(), answer == 1 ? plansOwn : florists) << answer;
        EXPECT_EQ(text(kTotal), "100.0");
    }
}

TEST_F(PlanWindow, APlanWhoseProfileIsNotHereKeepsItsPercentages) {
    open();
    fillPlan("Rosie's Flowers");
    const std::vector<std::string> florists = months();
    saveAs("rosie.qmplan");
    std::string bytes = plans.read("rosie.qmplan");
    bytes.replace(bytes.find("Name=Florists"), 13, "Name=Gone Shop");
    const std::string file = plans.write("gone.qmplan", bytes);

    answerNextDialog(1);
    openPlan(file);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().title, "Profile Not Found");
    EXPECT_EQ(text(kProfile), "None");
    EXPECT_EQ(months(), florists);
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_EQ(OpenPlan().file, file);
}

TEST_F(PlanWindow, APlanIsSavedOnlyWhenItsPercentagesMakeAYear) {
    open();
    enter(kClient, "Rosie's Flowers");
    answerNextDialog(1);
    nextSave = plans.file("short.qmplan");
    eztest::ClickMenu(kForm, kMenuSavePlanAs);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Plan Not Saved");
    EXPECT_FALSE(std::filesystem::exists(plans.file("short.qmplan")));
    EXPECT_TRUE(OpenPlan().file.empty());
}

// The PDF modes print a plan file without a window, from what the window would show: every text
// the page reads must be the window's own, for any currency and for a plan with empty fields.
TEST_F(PlanWindow, APlanPrintsFromItsFileAsFromTheWindow) {
    open();
    fillPlan("Rosie's Flowers");
    saveAs("rosie.qmplan");
    const std::string saved = plans.read("rosie.qmplan");
    auto variant = [&](const std::string& from, const std::string& to) {
        std::string bytes = saved;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const std::string files[] = {saved,
                                 variant("Currency=0", "Currency=1"),
                                 variant("Currency=0", "Currency=2"),
                                 variant("Rate=250", "Rate=0"),
                                 variant("PresentDate=", "PresentDate=0\r\nX="),
                                 variant("StartMonth=June", "StartMonth=Juni")};
    for (size_t i = 0; i < std::size(files); ++i) {
        const std::string file = plans.write("variant " + std::to_string(i) + ".qmplan", files[i]);
        eztest::ClickMenu(kForm, kMenuNewPlan);
        openPlan(file);
        ASSERT_EQ(OpenPlan().file, file) << i;
        const PlanRead read = ReadPlanFile(QString::fromStdString(file));
        ASSERT_TRUE(read.plan) << read.reason;
        const ProposalInputs window = ReadPlannerProposal(), fromFile = ProposalOfPlan(*read.plan, false);
        EXPECT_EQ(fromFile.client, window.client) << i;
        EXPECT_EQ(fromFile.station, window.station) << i;
        EXPECT_EQ(fromFile.salesrep, window.salesrep) << i;
        EXPECT_EQ(fromFile.presentationDate, window.presentationDate) << i;
        EXPECT_EQ(fromFile.startMonthIndex, window.startMonthIndex) << i;
        EXPECT_EQ(fromFile.year, window.year) << i;
        EXPECT_EQ(fromFile.budget, window.budget) << i;
        EXPECT_EQ(fromFile.rate, window.rate) << i;
        EXPECT_EQ(fromFile.months, window.months) << i;
        EXPECT_EQ(fromFile.base, window.base) << i;
        EXPECT_EQ(fromFile.events, window.events) << i;
        EXPECT_EQ(fromFile.opportunity, window.opportunity) << i;
        EXPECT_EQ(fromFile.currency, window.currency) << i;
    }
}

TEST_F(PlanWindow, ThePlanIsShownInItsOwnCurrency) {
    open();
    fillPlan("Rosie's Flowers");
    std::string bytes;
    saveAs("rosie.qmplan");
    bytes = plans.read("rosie.qmplan");
    bytes.replace(bytes.find("Currency=0"), 10, "Currency=1");
    const std::string file = plans.write("euro.qmplan", bytes);
    openPlan(file);
    EXPECT_EQ(text(kBudget), "\x80"
                             "12.000,00");
    EXPECT_EQ(Prefs().CurrencyOption, 1);
}

} // namespace
