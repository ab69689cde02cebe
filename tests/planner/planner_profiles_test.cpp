// SPDX-License-Identifier: GPL-3.0-or-later
// Rebuilding the Business Profiles from the planner's menu, and the date pickers' day numbers.
#include "tests/planner/planner_fixture.h"

#include "dates/date_pickers.h"
#include "dates/dates.h"
#include "dates/today.h"
#include "msgbox/message_dialog.h"

#include <QComboBox>
#include <filesystem>

using namespace qm;

namespace {

constexpr int32_t kYesButton = 11, kNoButton = 12, kOkButton = 11;

class PlannerProfiles : public PlannerFixture {
  protected:
    std::vector<std::string> titles; // of the message dialogs shown, in order

    // Answers the next message dialog with a button, remembering its title.
    void answer(int32_t button) {
        eztest::OnModal(kMessageDialogForm, [this, button] {
            titles.push_back(EZ_GETTEXT(kMessageDialogForm, 0));
            eztest::Click(kMessageDialogForm, button);
        });
    }

    void addCustomProfile() {
        std::string file = data.read("Categories.dat");
        file += "\"Zoo Shops\"\r\n";
        for (int i = 0; i < 12; ++i)
            file += "8.3\r\n";
        data.write("Categories.dat", file);
    }
};

TEST_F(PlannerProfiles, RebuildAfterYesRemovesAddedProfiles) {
    open();
    eztest::Reset();
    addCustomProfile();
    eztest::Install(EventDispatch, DesignDispatch);
    open();
    ASSERT_GE(EZ_FINDNEXT(kForm, kProfile, "Zoo Shops", 0), 0);
    chooseProfile("Zoo Shops");
    answer(kYesButton);
    answer(kOkButton);
    eztest::ClickMenu(kForm, kMenuRebuild);
    EXPECT_EQ(titles, (std::vector<std::string>{"Rebuild All Business Profiles", "Operation Complete"}));
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "Zoo Shops", 0), -1);
    EXPECT_EQ(text(kProfile), "None");
    EXPECT_EQ(Plan().ProfileIndex, 0);
    EXPECT_EQ(data.read("Categories.dat").find("Zoo Shops"), std::string::npos);
}

TEST_F(PlannerProfiles, RebuildAfterNoChangesNothing) {
    open();
    eztest::Reset();
    addCustomProfile();
    const std::string before = data.read("Categories.dat");
    eztest::Install(EventDispatch, DesignDispatch);
    open();
    answer(kNoButton);
    eztest::ClickMenu(kForm, kMenuRebuild);
    EXPECT_EQ(titles, (std::vector<std::string>{"Rebuild All Business Profiles"}));
    EXPECT_GE(EZ_FINDNEXT(kForm, kProfile, "Zoo Shops", 0), 0);
    EXPECT_EQ(data.read("Categories.dat"), before);
}

TEST_F(PlannerProfiles, ARebuildThatCannotBeSavedTellsTheUserAndKeepsTheProfiles) {
    open();
    eztest::Reset();
    addCustomProfile();
    eztest::Install(EventDispatch, DesignDispatch);
    open();
    // The file cannot be replaced: a folder stands where the temporary file would be written.
    std::filesystem::remove(data.path() / "Categories.dat");
    std::filesystem::create_directory(data.path() / "Categories.dat");
    answer(kYesButton);
    answer(kOkButton);
    eztest::ClickMenu(kForm, kMenuRebuild);
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Rebuild All Business Profiles", "Business Profiles Not Saved"}));
    EXPECT_GE(EZ_FINDNEXT(kForm, kProfile, "Zoo Shops", 0), 0);
    EXPECT_GE(FindProfileIgnoringCase(Profiles(), "Zoo Shops"), 0);
}

TEST_F(PlannerProfiles, ProfilesThatCannotBeKeptAtTheFirstStartAreToldAndTheBuiltInOnesServe) {
    // Categories.dat is missing, and where it would be written there is no folder: a link that
    // leads nowhere.
    std::filesystem::create_symlink("missing/Categories.dat", data.path() / "Categories.dat");
    answer(kOkButton);
    open();
    EXPECT_EQ(titles, (std::vector<std::string>{"Business Profiles Not Saved"}));
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "Women's Wear Stores", 0), 41); // the built-in table, last row
    EXPECT_TRUE(std::filesystem::is_symlink(data.path() / "Categories.dat")) << "left as it was";
}

TEST_F(PlannerProfiles, AFirstStartWritesTheBuiltInProfilesWithoutANotice) {
    open();
    EXPECT_TRUE(titles.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(data.path() / "Categories.dat"));
}

// The profile list shows one item a row in use, whatever the names hold.
TEST_F(PlannerProfiles, TheListHasOneItemForEachProfileInUse) {
    const auto row = [](const std::string& name) {
        std::string text = name + "\r\n";
        for (int m = 0; m < 12; ++m)
            text += "0\r\n";
        return text;
    };
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"only None", row("\"None\""), {"None"}},
        {"a bar and a comma",
         row("\"None\"") + row("\"Bar|Grill\"") + row("\"Shops, Inc.\""),
         {"None", "Bar|Grill", "Shops, Inc."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data.write("Categories.dat", c.file);
        open();
        auto* list = qobject_cast<QComboBox*>(eztest::Widget(kForm, kProfile));
        ASSERT_NE(list, nullptr);
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->itemText(i).toStdString());
        EXPECT_EQ(items, c.items);
        EZ_UNLOADFORM(kForm);
        eztest::Settle();
    }
    std::filesystem::remove(data.path() / "Categories.dat");
    open();
    EXPECT_EQ(qobject_cast<QComboBox*>(eztest::Widget(kForm, kProfile))->count(), 42)
        << "None and 41 categories";
}

TEST_F(PlannerProfiles, DatePickersAreReadAndSetAsDayNumbers) {
    SetTodayForTesting(CivilDate{2018, 10, 16});
    open();
    SETDT(kForm, kDate, 0);
    EXPECT_EQ(GETDT(kForm, kDate), 2458408);
    EXPECT_EQ(text(kDate), "10/16/2018");
    SETDT(kForm, kYear, JulianFromDate(2, 29, 2020));
    EXPECT_EQ(GETDT(kForm, kYear), JulianFromDate(2, 29, 2020));
    EXPECT_EQ(text(kYear), "2020");
    SetTodayForTesting(std::nullopt);
}

TEST_F(PlannerProfiles, AnInvalidDateTextIsReportedAndGivesZero) {
    open();
    answer(kOkButton);
    std::string order = "MDY";
    EXPECT_EQ(Date2JulianDate("10-00-2018", order), 0); // a zero field
    EXPECT_EQ(titles, (std::vector<std::string>{"Invalid Date"}));
    EXPECT_EQ(Date2JulianDate("10-16-2018", order), 2458408);
    EXPECT_EQ(titles.size(), 1U);
}

} // namespace
