// SPDX-License-Identifier: GPL-3.0-or-later
// The currency chosen in the options dialog: taken over on Save, the planner's money re-shown in
// it, and kept for the next start.
#include "tests/prefs/options_fixture.h"

using namespace po;

namespace {

class OptionsCurrency : public OptionsFixture {
  protected:
    void openWithMoney() {
        openPlanner();
        enter(qm::kForm, qm::kBudget, "12000");
        enter(qm::kForm, qm::kRate, "50");
        ASSERT_EQ(text(qm::kForm, qm::kBudget), "$12,000");
        ASSERT_EQ(text(qm::kForm, qm::kRate), "$50");
    }
};

TEST_F(OptionsCurrency, SavingTheEuroReshowsThePlannersMoneyAndLastsToTheNextStart) {
    openWithMoney();
    inDialog([] {
        eztest::Click(kForm, kEuroRadio);
        EXPECT_TRUE(saveEnabled());
        eztest::Click(kForm, kSave);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(text(qm::kForm, qm::kBudget), "\x80"
                                            "12.000,00");
    EXPECT_EQ(text(qm::kForm, qm::kRate), "\x80"
                                          "50,00");
    EXPECT_EQ(Prefs().CurrencyOption, 1);
    EXPECT_EQ(stored("Options", "Currency"), "1");
    // Money typed from now on is euro.
    enter(qm::kForm, qm::kBudget, "1.234,56");
    EXPECT_EQ(text(qm::kForm, qm::kBudget), "\x80"
                                            "1.235");

    restart();
    enter(qm::kForm, qm::kBudget, "12000");
    EXPECT_EQ(text(qm::kForm, qm::kBudget), "\x80"
                                            "12.000");
    inDialog([] {
        EXPECT_TRUE(ticked(kEuroRadio));
        EXPECT_FALSE(ticked(kDollarRadio));
        eztest::Click(kForm, kCancel);
    });
}

TEST_F(OptionsCurrency, ConversionReadsTheMoneyInTheCurrencyItWasShownIn) {
    setting("Options", "Currency", "1");
    openPlanner();
    enter(qm::kForm, qm::kBudget, "1.234,56");
    ASSERT_EQ(text(qm::kForm, qm::kBudget), "\x80"
                                            "1.235");
    inDialog([] {
        eztest::Click(kForm, kPoundRadio);
        eztest::Click(kForm, kSave);
    });
    EXPECT_EQ(text(qm::kForm, qm::kBudget), "\xA3"
                                            "1,235.00");
    EXPECT_EQ(text(qm::kForm, qm::kRate), "");
    EXPECT_EQ(stored("Options", "Currency"), "2");
}

TEST_F(OptionsCurrency, NoConversionWithoutATakenOverChange) {
    struct Case {
        const char* name;
        std::function<void()> steps;
    };
    const Case cases[] = {
        {"chosen and cancelled",
         [] {
             eztest::Click(kForm, kEuroRadio);
             eztest::Click(kForm, kCancel);
         }},
        {"chosen, then answered No",
         [this] {
             answer(2);
             eztest::Click(kForm, kPoundRadio);
             eztest::CloseBox(kForm);
         }},
        {"chosen and chosen back, then saved",
         [] {
             eztest::Click(kForm, kEuroRadio);
             eztest::Click(kForm, kDollarRadio);
             eztest::Click(kForm, kSave);
         }},
    };
    openWithMoney();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        inDialog(c.steps);
        EXPECT_FALSE(leftOpen);
        EXPECT_EQ(text(qm::kForm, qm::kBudget), "$12,000");
        EXPECT_EQ(text(qm::kForm, qm::kRate), "$50");
        EXPECT_EQ(Prefs().CurrencyOption, 0);
    }
    EXPECT_EQ(stored("Options", "Currency"), "0");
}

TEST_F(OptionsCurrency, AStoredCurrencyOutsideTheTableReadsAsDollars) {
    setting("Options", "Currency", "7");
    openPlanner();
    enter(qm::kForm, qm::kBudget, "12000");
    EXPECT_EQ(text(qm::kForm, qm::kBudget), "$12,000");
    inDialog([] {
        EXPECT_TRUE(ticked(kDollarRadio));
        eztest::Click(kForm, kCancel);
    });
}

} // namespace
