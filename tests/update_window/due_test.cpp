// SPDX-License-Identifier: GPL-3.0-or-later
// The due test of the automatic check: on the first start, then not for ten days, then again on the
// eleventh; never when the user has turned automatic checks off.
#include "update_window_fixture.h"

#include "app/shell/commands.h"
#include "dates/dates.h"
#include "dates/today.h"
#include "prefs/options.h"
#include "tests/update/scripted_server.h"

namespace {

int32_t DayNumber(const CivilDate& date) {
    return JulianFromDate(date.month, date.day, date.year);
}

CivilDate DateOf(int32_t dayNumber) {
    int32_t month = 0, day = 0, year = 0;
    DateFromJulian(dayNumber, month, day, year);
    return {year, month, day};
}

class UpdateCheckDueTest : public UpdateWindowTest {
  protected:
    void SetUp() override {
        UpdateWindowTest::SetUp();
        Prefs().OptionFlags |= kAutoUpdate;
    }
    bool dueOn(int32_t dayNumber) {
        SetTodayForTesting(DateOf(dayNumber));
        return UpdateCheckDue();
    }
};

TEST_F(UpdateCheckDueTest, FirstStartThenTenQuietDaysThenTheEleventh) {
    // Across the end of February in a leap year, so that the day numbers, not the dates, count.
    const int32_t first = DayNumber({2024, 2, 25});
    EXPECT_EQ(setting("LastCheck"), "<missing>");
    ASSERT_TRUE(dueOn(first));
    EXPECT_EQ(setting("LastCheck"), std::to_string(first + 10));
    for (int32_t day = first; day <= first + 10; ++day) {
        SCOPED_TRACE(day - first);
        EXPECT_FALSE(dueOn(day));
        EXPECT_EQ(setting("LastCheck"), std::to_string(first + 10));
    }
    ASSERT_TRUE(dueOn(first + 11));
    EXPECT_EQ(setting("LastCheck"), std::to_string(first + 21));
}

TEST_F(UpdateCheckDueTest, TheStoredDayIsReadByItsLeadingNumber) {
    const int32_t today = DayNumber({2025, 6, 1});
    struct Case {
        std::string stored;
        bool due;
    };
    const std::vector<Case> cases = {
        {"", true},
        {"abc", true},
        {"0", true},
        {std::to_string(today - 1), true},
        {"  " + std::to_string(today) + " days", false},
        {std::to_string(today) + ".4", false},
        {std::to_string(today + 3), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("LastCheck=" + c.stored);
        setting("LastCheck", c.stored);
        const std::string before = setting("LastCheck");
        EXPECT_EQ(dueOn(today), c.due);
        EXPECT_EQ(setting("LastCheck"), c.due ? std::to_string(today + 10) : before);
    }
}

TEST_F(UpdateCheckDueTest, AutomaticChecksTurnedOffAreNeverDueAndStoreNothing) {
    Prefs().OptionFlags &= ~static_cast<uint32_t>(kAutoUpdate);
    const int32_t today = DayNumber({2025, 6, 1});
    EXPECT_FALSE(dueOn(today));
    EXPECT_FALSE(dueOn(today + 400));
    EXPECT_EQ(setting("LastCheck"), "<missing>");
}

// The planner's start runs the check when it is due, and only then: an up-to-date version file is
// fetched on the first start and says nothing; a second start the same day fetches nothing.
TEST_F(UpdateWindowTest, ThePlannerStartChecksWhenDueAndSaysNothingWhenUpToDate) {
    const std::string upToDate = HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 7"}, "3.0.0.0");
    ScriptedServer server({{upToDate}, {upToDate}});
    qputenv("QUILLMARK_UPDATE_URL", QByteArray::fromStdString("http://" + server.host() + "/QMKVersion.txt"));
    const CivilDate today{2025, 3, 10};
    SetTodayForTesting(today);

    openPlanner();
    EXPECT_EQ(server.requests().size(), 1U);
    EXPECT_EQ(setting("LastCheck"), std::to_string(DayNumber(today) + 10));
    EXPECT_TRUE(plannerVisible());
    closePlanner();

    openPlanner();
    EXPECT_EQ(server.requests().size(), 1U);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_FALSE(strayDialog);
}

TEST_F(UpdateWindowTest, WithAutomaticChecksOffThePlannerStartFetchesNothing) {
    const std::string newer = HttpResponse("HTTP/1.1 200 OK", {}, "host /a a\n3.1.0.0");
    ScriptedServer server({{newer}});
    qputenv("QUILLMARK_UPDATE_URL", QByteArray::fromStdString("http://" + server.host() + "/QMKVersion.txt"));
    PutIni(Paths().settingsFile, "Options", "AutoUpdate", "0");

    openPlanner();
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(setting("LastCheck"), "<missing>");
    EXPECT_FALSE(strayDialog);
}

} // namespace
