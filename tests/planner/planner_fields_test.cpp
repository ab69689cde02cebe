// SPDX-License-Identifier: GPL-3.0-or-later
// The planner's fields as a user types into them: money and percentages, profiles and totals,
// the budget ratios and the slider, the keys every field handles.
#include "tests/planner/planner_fixture.h"

#include <QLineEdit>
#include <QSlider>

using namespace qm;

namespace {

class PlannerFields : public PlannerFixture {};

TEST_F(PlannerFields, MoneyFieldsShowWholeUnitsOrNothing) {
    open();
    const std::pair<const char*, const char*> cases[] = {
        {"12000", "$12,000"},         {"0", ""},           {"-50", ""}, {"abc", ""}, {"1234.50", "$1,234"},
        {"99999999999999999999", ""}, {"$2,500", "$2,500"}};
    for (const auto& [typed, shown] : cases) {
        enter(kBudget, typed);
        EXPECT_EQ(text(kBudget), shown) << typed;
        enter(kRate, typed);
        EXPECT_EQ(text(kRate), shown) << typed;
    }
}

TEST_F(PlannerFields, MoneyFollowsTheCurrency) {
    setting("Options", "Currency", "1");
    open();
    enter(kBudget, "12346");
    EXPECT_EQ(text(kBudget), "\x80"
                             "12.346");
}

TEST_F(PlannerFields, MonthFieldsShowOneDecimal) {
    open();
    const std::pair<const char*, const char*> cases[] = {{"7.25", "7.2"}, {"7.35", "7.4"}, {"", "0.0"},
                                                         {"abc", "0.0"},  {"-3", "-3.0"},  {"12", "12.0"}};
    for (const auto& [typed, shown] : cases) {
        enter(MonthField(6), typed);
        EXPECT_EQ(text(MonthField(6)), shown) << typed;
    }
}

TEST_F(PlannerFields, ChoosingAProfileFillsTheMonthsAndTheTotal) {
    open();
    chooseProfile("Florists");
    const char* florists[] = {"6.5", "9.6", "7.7", "8.5", "11.7", "8.1",
                              "7.0", "7.0", "7.5", "7.9", "7.5",  "11.0"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(text(MonthField(m)), florists[m - 1]) << m;
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_EQ(Plan().ProfileIndex, EZ_FINDNEXT(kForm, kProfile, "Florists", 0));
}

TEST_F(PlannerFields, AProfileOffBy01LeavesEditAndClearButNotPrint) {
    // A profile whose months total 99.9: the profile's index decides Edit and Clear last.
    std::string file = "\"None\"\r\n";
    for (int i = 0; i < 12; ++i)
        file += "0\r\n";
    file += "\"Almost\"\r\n";
    for (int i = 0; i < 11; ++i)
        file += "8.3\r\n";
    file += "8.6\r\n";
    data.write("Categories.dat", file);
    open();
    fillClient();
    chooseProfile("Almost");
    EXPECT_EQ(text(kTotal), "99.9");
    EXPECT_TRUE(editEnabled());
    EXPECT_TRUE(clearEnabled());
    EXPECT_FALSE(printEnabled());
    enter(MonthField(1), "8.2"); // still off 100
    EXPECT_FALSE(editEnabled());
    EXPECT_FALSE(printEnabled());
    enter(MonthField(1), "8.4"); // back to 100.0
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_TRUE(editEnabled());
    EXPECT_TRUE(clearEnabled());
    EXPECT_TRUE(printEnabled());
}

TEST_F(PlannerFields, OpportunityChangesMoveBaseAndKeepEvents) {
    open();
    enter(kOpportunity, "20");
    EXPECT_EQ(Plan().ratios.MaxValue, 80);
    EXPECT_EQ(text(kBase), "55");
    EXPECT_EQ(text(kEvents), "25");
    EXPECT_EQ(qobject_cast<QSlider*>(eztest::Widget(kForm, kSlider))->maximum(), 80);
    enter(kOpportunity, "-5"); // refused
    EXPECT_EQ(text(kOpportunity), "20");
    EXPECT_EQ(Plan().ratios.Opportunity, 20);
}

TEST_F(PlannerFields, OpportunityLeftUnchangedRecomputesNothing) {
    open();
    EZ_SETTEXT(kForm, kEvents, "40"); // Base and Events no longer add up
    eztest::Focus(kForm, kOpportunity);
    eztest::Tab();
    EXPECT_EQ(text(kBase), "65");
    EXPECT_EQ(text(kEvents), "40");
}

TEST_F(PlannerFields, BaseIsCappedAboveButNotBelow) {
    open();
    enter(kBase, "95");
    EXPECT_EQ(text(kBase), "90");
    EXPECT_EQ(text(kEvents), "0");
    enter(kBase, "-10");
    EXPECT_EQ(text(kBase), "-10");
    EXPECT_EQ(text(kEvents), "100");
}

TEST_F(PlannerFields, SliderActsOnOneOfEachPairOfNotifications) {
    open();
    eztest::MoveSlider(kForm, kSlider, 40);
    EXPECT_EQ(text(kBase), "40");
    EXPECT_EQ(text(kEvents), "50");
    EXPECT_EQ(text(kOpportunity), "10");
    // A lone notification (half of a pair) is ignored, the next pair acts again.
    int32_t id = kSlider, message = kEzChange, value = 30, cancel = 0;
    PlannerEvents(id, message, value, cancel);
    EXPECT_EQ(text(kBase), "30");
    value = 30;
    PlannerEvents(id, message, value, cancel);
    value = 20;
    PlannerEvents(id, message, value, cancel);
    EXPECT_EQ(text(kBase), "20");
}

TEST_F(PlannerFields, RightClickRestoresTheStoredDefaults) {
    setting("Default", "Opportunity", "15");
    setting("Default", "MaxValue", "85");
    setting("Default", "CurrValue", "50");
    open();
    EXPECT_EQ(text(kBase), "50");
    enter(kOpportunity, "30");
    enter(kBase, "10");
    for (int32_t id : {kBase, kSlider, kOpportunity}) {
        enter(kBase, "10");
        eztest::RightClick(kForm, id);
        EXPECT_EQ(text(kBase), "50") << id;
        EXPECT_EQ(text(kEvents), "35") << id;
        EXPECT_EQ(text(kOpportunity), "15") << id;
        EXPECT_EQ(qobject_cast<QSlider*>(eztest::Widget(kForm, kSlider))->value(), 50);
    }
}

TEST_F(PlannerFields, EnterMovesOnAndEscapeIsSwallowedInEveryField) {
    open();
    const int32_t fields[] = {kClient,       kStation,       kSalesrep, kDate,       kStartMonth,
                              kYear,         kBudget,        kRate,     kProfile,    MonthField(1),
                              MonthField(7), MonthField(12), kBase,     kOpportunity};
    for (int32_t id : fields) {
        eztest::Focus(kForm, id);
        ASSERT_EQ(EZ_GETFOCUSID(), id);
        eztest::Key(kForm, id, Qt::Key_Escape);
        EXPECT_EQ(EZ_GETFOCUSID(), id) << id;
        // The handler itself swallows Escape (0) and turns Enter into Tab.
        for (int32_t key : {kEzKeyEscape, kEzKeyEnter}) {
            int32_t control = id, message = kEzKey, value = key, cancel = 0;
            PlannerEvents(control, message, value, cancel);
            EXPECT_EQ(value, key == kEzKeyEscape ? 0 : kEzKeyTab) << id;
        }
        eztest::Key(kForm, id, Qt::Key_Return);
        EXPECT_NE(EZ_GETFOCUSID(), id) << id;
    }
}

TEST_F(PlannerFields, FieldsAreColouredWhileEdited) {
    open();
    auto* budget = qobject_cast<QLineEdit*>(eztest::Widget(kForm, kBudget));
    const QColor normal = budget->palette().color(QPalette::Base);
    eztest::Focus(kForm, kBudget);
    EXPECT_NE(budget->palette().color(QPalette::Base), normal);
    eztest::Tab();
    EXPECT_EQ(budget->palette().color(QPalette::Base), normal);
}

TEST_F(PlannerFields, SelectionOptionsKeepOrCollapseTheSelection) {
    setting("Options", "SetSel", "1");
    open();
    EZ_SETTEXT(kForm, kStation, "WQMK");
    EZ_SETTEXT(kForm, MonthField(2), "9.6");
    eztest::Focus(kForm, kStation, Qt::TabFocusReason);
    auto* station = qobject_cast<QLineEdit*>(eztest::Widget(kForm, kStation));
    EXPECT_FALSE(station->hasSelectedText());
    EXPECT_EQ(station->cursorPosition(), 4);
    // SelMonths is off: a month entered by Tab keeps its whole text selected.
    eztest::Focus(kForm, MonthField(2), Qt::TabFocusReason);
    EXPECT_EQ(qobject_cast<QLineEdit*>(eztest::Widget(kForm, MonthField(2)))->selectedText(),
              QStringLiteral("9.6"));
}

} // namespace
