// SPDX-License-Identifier: GPL-3.0-or-later
// The MonoChart switch saved in the options dialog, as the printed proposal shows it.
#include "report/page_layer.h"
#include "tests/prefs/options_fixture.h"

#include <set>

using namespace po;

namespace {

class OptionsChart : public OptionsFixture {
  protected:
    void TearDown() override {
        SetPageSink({});
        OptionsFixture::TearDown();
    }

    // Prints the plan on the planner and returns the fill colours of the page's rectangles.
    std::set<PageColour> printedFills() {
        std::vector<PageRecord> pages;
        SetPageSink([&pages](const PageRecord& page) {
            pages.push_back(page);
            return true;
        });
        eztest::ClickToolbar(qm::kForm, qm::kPrintButton);
        SetPageSink({});
        std::set<PageColour> fills;
        if (pages.size() != 1) return fills;
        for (const PageOperation& op : pages[0].operations)
            if (const auto* rect = std::get_if<PageRect>(&op)) fills.insert(rect->fill);
        return fills;
    }
};

TEST_F(OptionsChart, MonochromeBarsAreBlackAndGrey) {
    openPlanner();
    enter(qm::kForm, qm::kClient, "Rosie's Flowers");
    enter(qm::kForm, qm::kStation, "WQMK");
    enter(qm::kForm, qm::kSalesrep, "Dana Reyes");
    enter(qm::kForm, qm::kBudget, "12000");
    eztest::ChooseItem(qm::kForm, qm::kProfile, EZ_FINDNEXT(qm::kForm, qm::kProfile, "Florists", 0));
    ASSERT_TRUE(eztest::ToolbarEnabled(qm::kForm, qm::kPrintButton));

    const std::set<PageColour> coloured = printedFills();
    EXPECT_TRUE(coloured.count(kPageRed) && coloured.count(kPageBlue));
    EXPECT_FALSE(coloured.count(kPageGrey));

    inDialog([] {
        eztest::Click(kForm, kMonoChartBox);
        eztest::Click(kForm, kSave);
    });
    const std::set<PageColour> mono = printedFills();
    EXPECT_TRUE(mono.count(kPageBlack) && mono.count(kPageGrey));
    EXPECT_FALSE(mono.count(kPageRed) || mono.count(kPageBlue));
}

} // namespace
