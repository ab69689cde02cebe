// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog over the planner: what it shows, when it asks, what its save stores, the
// ratio fields, tooltips, keys and help.
#include "tests/prefs/options_fixture.h"

#include <filesystem>

#include "app/help/help.h"
#include "app/help/help_browser.h"
#include "app/help/help_topics.h"
#include "app/help/help_viewer.h"

#include <QApplication>
#include <QTest>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

using namespace po;

namespace {

class OptionsDialogWindow : public OptionsFixture {};

constexpr int32_t kAllBoxes[] = {kMonoChartBox, kRememberClientBox, kClearClientBox, kAutoUpdateBox,
                                 kSetSelBox,    kSelMonthsBox,      kTipsOnBox};

TEST_F(OptionsDialogWindow, FirstOpeningShowsTheDefaults) {
    openPlanner();
    inDialog([] {
        EXPECT_EQ(text(kForm, 0), "Quillmark Options");
        EXPECT_EQ(eztest::Window(kForm)->parentWidget(), eztest::Window(qm::kForm));
        // Absent switches: AutoUpdate and TipsOn on, the rest off.
        for (int32_t box : kAllBoxes)
            EXPECT_EQ(ticked(box), box == kAutoUpdateBox || box == kTipsOnBox) << box;
        EXPECT_TRUE(ticked(kDollarRadio));
        EXPECT_FALSE(ticked(kEuroRadio));
        EXPECT_FALSE(ticked(kPoundRadio));
        EXPECT_EQ(field(kOpportunity), "10");
        EXPECT_EQ(field(kBase), "65");
        EXPECT_EQ(field(kEvents), "25");
        EXPECT_FALSE(saveEnabled());
        EXPECT_EQ(text(kForm, kEuroRadio), "European Union euro (\x80)");
        EXPECT_EQ(text(kForm, kPoundRadio), "United Kingdom pound (\xA3)");
        eztest::Click(kForm, kCancel);
    });
    EXPECT_FALSE(leftOpen);
}

TEST_F(OptionsDialogWindow, OpensWithTheStoredOptionsAndRatios) {
    setting("Options", "MonoChart", "1");
    setting("Options", "ClearClient", "3"); // only the lowest bit counts
    setting("Options", "AutoUpdate", "0");
    setting("Options", "SetSel", "2");
    setting("Options", "SelMonths", "1");
    setting("Options", "TipsOn", "0");
    setting("Options", "Currency", "2");
    setting("Default", "Opportunity", "20.5"); // halves to even: 20
    setting("Default", "CurrValue", "55");
    setting("Default", "MaxValue", "12"); // not read: Events is what the other two leave
    openPlanner();
    inDialog(
        [] {
            const std::pair<int32_t, bool> expected[] = {{kMonoChartBox, true},   {kRememberClientBox, false},
                                                         {kClearClientBox, true}, {kAutoUpdateBox, false},
                                                         {kSetSelBox, false},     {kSelMonthsBox, true},
                                                         {kTipsOnBox, false}};
            for (const auto& [box, on] : expected)
                EXPECT_EQ(ticked(box), on) << box;
            EXPECT_TRUE(ticked(kPoundRadio));
            EXPECT_FALSE(ticked(kDollarRadio));
            EXPECT_EQ(field(kOpportunity), "20");
            EXPECT_EQ(field(kBase), "55");
            EXPECT_EQ(field(kEvents), "25");
            eztest::Click(kForm, kCancel);
        },
        From::Toolbar);
    EXPECT_FALSE(leftOpen);
}

TEST_F(OptionsDialogWindow, OpeningAndClosingUntouchedAsksNothingAndWritesNothing) {
    openPlanner();
    const std::string before = settingsBytes();
    struct Way {
        const char* name;
        std::function<void()> close;
    };
    const Way ways[] = {{"close box", [] { eztest::CloseBox(kForm); }},
                        {"Cancel", [] { eztest::Click(kForm, kCancel); }}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        inDialog([&] {
            eztest::Focus(kForm, kOpportunity); // visiting a field changes nothing
            eztest::Tab();
            eztest::Click(kForm, kSave); // disabled: does nothing
            EXPECT_TRUE(dialogOpen());
            way.close();
        });
        EXPECT_FALSE(leftOpen);
        EXPECT_TRUE(questions.empty());
        EXPECT_EQ(settingsBytes(), before);
    }
}

TEST_F(OptionsDialogWindow, ClosingWithAChangeAsksAndFollowsTheAnswer) {
    struct Case {
        const char* name;
        int32_t button; // 0: the question put away with Escape
        bool staysOpen;
        bool saved;
    };
    const Case cases[] = {{"Yes", 1, false, true},
                          {"No", 2, false, false},
                          {"Cancel", 3, true, false},
                          {"Escape", 0, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openPlanner();
        const std::string before = settingsBytes();
        questions.clear();
        answer(c.button);
        inDialog([&] {
            eztest::Click(kForm, kMonoChartBox);
            EXPECT_TRUE(saveEnabled());
            eztest::CloseBox(kForm);
            EXPECT_EQ(dialogOpen(), c.staysOpen);
            if (!dialogOpen()) return;
            EXPECT_TRUE(ticked(kMonoChartBox));
            EXPECT_TRUE(saveEnabled());
            // Cancel in the dialog itself leaves without saving and without asking again.
            eztest::Click(kForm, kCancel);
            EXPECT_FALSE(dialogOpen());
        });
        EXPECT_FALSE(leftOpen);
        ASSERT_EQ(questions.size(), 1U);
        EXPECT_EQ(questions[0], "Save your changes before you exit?");
        EXPECT_EQ(OptionOn(kMonoChart), c.saved);
        if (c.saved)
            EXPECT_EQ(stored("Options", "MonoChart"), "1");
        else
            EXPECT_EQ(settingsBytes(), before);
        closeAll();
        data.write("QMK.ini", "");
    }
}

TEST_F(OptionsDialogWindow, SaveStoresEverySwitchAndClosesWithoutAsking) {
    openPlanner();
    inDialog([] {
        for (int32_t box : kAllBoxes)
            eztest::Click(kForm, box); // every switch the other way round
        eztest::Click(kForm, kSave);
        EXPECT_FALSE(dialogOpen());
    });
    EXPECT_TRUE(questions.empty());
    const std::pair<const char*, const char*> keys[] = {
        {"MonoChart", "1"}, {"RememberClient", "1"}, {"ClearClient", "1"}, {"AutoUpdate", "0"},
        {"SetSel", "1"},    {"SelMonths", "1"},      {"TipsOn", "0"}};
    for (const auto& [key, value] : keys)
        EXPECT_EQ(stored("Options", key), value) << key;
    EXPECT_EQ(Prefs().OptionFlags, kRememberClient | kClearClient | kMonoChart | kSetSel | kSelMonths);
    // The unchanged ratios are stored as they stand.
    EXPECT_EQ(stored("Default", "Opportunity"), "10");
    EXPECT_EQ(stored("Default", "MaxValue"), "90");
    EXPECT_EQ(stored("Default", "CurrValue"), "65");

    // The next opening shows what was saved, and starts with Save disabled again.
    inDialog([] {
        EXPECT_TRUE(ticked(kMonoChartBox));
        EXPECT_FALSE(ticked(kTipsOnBox));
        EXPECT_FALSE(saveEnabled());
        eztest::Click(kForm, kMonoChartBox);
        eztest::Click(kForm, kMonoChartBox); // back as it was: still a change to the dialog
        EXPECT_TRUE(saveEnabled());
        eztest::Click(kForm, kCancel);
    });
    EXPECT_TRUE(OptionOn(kMonoChart));
}

TEST_F(OptionsDialogWindow, RatioFieldsAreLimitedWhenLeft) {
    struct Case {
        const char* opportunity;
        const char* base;
        const char* shownOpportunity;
        const char* shownBase;
        const char* shownEvents;
    };
    const Case cases[] = {
        {"150", "65", "100", "0", "0"},     // Opportunity held at 100, Base at what it leaves
        {"20", "75", "20", "75", "5"},      // within limits
        {"10", "95", "10", "90", "0"},      // Base held at 100 - Opportunity
        {"abc", "", "0", "0", "100"},       // no number reads as 0
        {"-20", "130", "0", "100", "0"},    // nothing below 0
        {"12.5", "64.5", "12", "64", "24"}, // halves to even
    };
    openPlanner();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.opportunity) + " / " + c.base);
        inDialog([&] {
            enter(kForm, kOpportunity, c.opportunity);
            enter(kForm, kBase, c.base);
            EXPECT_EQ(field(kOpportunity), c.shownOpportunity);
            EXPECT_EQ(field(kBase), c.shownBase);
            EXPECT_EQ(field(kEvents), c.shownEvents);
            EXPECT_TRUE(saveEnabled());
            eztest::Click(kForm, kCancel);
        });
        EXPECT_FALSE(leftOpen);
    }
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(stored("Default", "Opportunity"), "absent");
}

TEST_F(OptionsDialogWindow, EventsFollowsWhenTheRatiosReturnToTheLoadedPair) {
    openPlanner();
    inDialog([] {
        enter(kForm, kOpportunity, "20");
        EXPECT_EQ(field(kEvents), "15");
        enter(kForm, kOpportunity, "10");
        EXPECT_EQ(field(kOpportunity), "10");
        EXPECT_EQ(field(kBase), "65");
        EXPECT_EQ(field(kEvents), "25");
        eztest::Click(kForm, kCancel);
    });
}

TEST_F(OptionsDialogWindow, SavedRatiosBecomeThePlannersDefaults) {
    openPlanner();
    inDialog([] {
        enter(kForm, kOpportunity, "20");
        enter(kForm, kBase, "75");
        EXPECT_EQ(field(kEvents), "5");
        eztest::Click(kForm, kSave);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(stored("Default", "Opportunity"), "20");
    EXPECT_EQ(stored("Default", "MaxValue"), "80");
    EXPECT_EQ(stored("Default", "CurrValue"), "75");
    // The planner keeps its ratios until it reads the defaults again.
    EXPECT_EQ(text(qm::kForm, qm::kOpportunity), "10");
    eztest::RightClick(qm::kForm, qm::kBase);
    EXPECT_EQ(text(qm::kForm, qm::kOpportunity), "20");
    EXPECT_EQ(text(qm::kForm, qm::kBase), "75");
    EXPECT_EQ(text(qm::kForm, qm::kEvents), "5");
}

TEST_F(OptionsDialogWindow, SavingByKeyWhileARatioIsBeingTypedStoresTheLimitedRatios) {
    // Alt+S presses Save without the field being left first; the stored ratios must still be
    // within their limits, or the proposal prints negative shares.
    const struct {
        const char* opportunity;
        const char* base;
        const char* storedOpportunity;
        const char* storedMaxValue;
        const char* storedBase;
    } cases[] = {
        {"150", "65", "100", "0", "0"},
        {"-20", "-5", "0", "100", "0"},
        {"30", "95", "30", "70", "70"},
    };
    openPlanner();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.opportunity) + " / " + c.base);
        inDialog([&] {
            enter(kForm, kBase, c.base);
            eztest::Focus(kForm, kOpportunity);
            EZ_SETTEXT(kForm, kOpportunity, "");
            eztest::Type(kForm, kOpportunity, c.opportunity); // still in the field
            // The key goes in through the window system and Qt's shortcut map as a user's Alt+S
            // does: the field keeps the focus, and the button clicks itself after a short show.
            QTest::keyClick(eztest::Widget(kForm, kOpportunity)->window()->windowHandle(), Qt::Key_S,
                            Qt::AltModifier);
            QTest::qWait(300);
            eztest::Settle();
            EXPECT_FALSE(dialogOpen());
        });
        EXPECT_EQ(stored("Default", "Opportunity"), c.storedOpportunity);
        EXPECT_EQ(stored("Default", "MaxValue"), c.storedMaxValue);
        EXPECT_EQ(stored("Default", "CurrValue"), c.storedBase);
    }
    EXPECT_TRUE(questions.empty());
}

TEST_F(OptionsDialogWindow, ASaveThatCannotBeWrittenIsToldAndKeepsTheDialogAndTheFile) {
    setting("Default", "Opportunity", "10");
    const std::string before = settingsBytes();
    std::filesystem::permissions(data.path() / "QMK.ini", std::filesystem::perms::owner_read);
    openPlanner();
    answer(1); // "Options Not Saved"
    inDialog([] {
        enter(kForm, kOpportunity, "20");
        eztest::Click(kForm, kSave);
        EXPECT_TRUE(dialogOpen());
        EXPECT_TRUE(saveEnabled());
    });
    std::filesystem::permissions(data.path() / "QMK.ini", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write);
    ASSERT_EQ(questions.size(), 1U);
    EXPECT_NE(questions[0].find("could not be written to " + data.file("QMK.ini") + ": the file is read-only"),
              std::string::npos)
        << questions[0];
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(OptionsDialogWindow, ARatioStillBeingTypedIsLimitedBeforeTheQuestionSavesIt) {
    openPlanner();
    answer(1);
    inDialog([] {
        eztest::Focus(kForm, kOpportunity);
        EZ_SETTEXT(kForm, kOpportunity, "");
        eztest::Type(kForm, kOpportunity, "150"); // not left: the question takes the focus
        eztest::CloseBox(kForm);
        EXPECT_FALSE(dialogOpen());
    });
    ASSERT_EQ(questions.size(), 1U);
    EXPECT_EQ(stored("Default", "Opportunity"), "100");
    EXPECT_EQ(stored("Default", "MaxValue"), "0");
    EXPECT_EQ(stored("Default", "CurrValue"), "0");
}

TEST_F(OptionsDialogWindow, RatioTooltipsFollowTipsOn) {
    for (const char* tipsOn : {"1", "0"}) {
        SCOPED_TRACE(tipsOn);
        setting("Options", "TipsOn", tipsOn);
        openPlanner();
        const bool on = std::string(tipsOn) == "1";
        inDialog([on] {
            EXPECT_EQ(eztest::Tooltip(kForm, kOpportunity), on ? "Default Opportunity budget (0-100)" : "");
            EXPECT_EQ(eztest::Tooltip(kForm, kBase), on ? "Default Base budget (0-100)" : "");
            EXPECT_EQ(eztest::Tooltip(kForm, kEvents), "");
            // What counts is the saved option, not the box being ticked.
            eztest::Click(kForm, kTipsOnBox);
            EXPECT_EQ(eztest::Tooltip(kForm, kBase).empty(), !on);
            eztest::Click(kForm, kCancel);
        });
        closeAll();
    }
}

TEST_F(OptionsDialogWindow, KeysMoveOnAndEscapeDoesNothing) {
    openPlanner();
    inDialog([] {
        eztest::Focus(kForm, kMonoChartBox);
        eztest::Key(kForm, kMonoChartBox, Qt::Key_Return);
        EXPECT_EQ(EZ_GETFOCUSID(), kRememberClientBox);
        EXPECT_FALSE(ticked(kMonoChartBox));

        eztest::Focus(kForm, kOpportunity);
        eztest::Key(kForm, kOpportunity, Qt::Key_Escape);
        EXPECT_TRUE(dialogOpen());
        EXPECT_EQ(field(kOpportunity), "10");
        eztest::Key(kForm, kOpportunity, Qt::Key_Enter);
        EXPECT_EQ(EZ_GETFOCUSID(), kBase);

        // Enter on a button moves on instead of pressing it.
        eztest::Focus(kForm, kCancel);
        eztest::Key(kForm, kCancel, Qt::Key_Return);
        EXPECT_TRUE(dialogOpen());
        EXPECT_EQ(EZ_GETFOCUSID(), kHelp);
        eztest::Click(kForm, kCancel);
    });
    EXPECT_FALSE(leftOpen);
}

TEST_F(OptionsDialogWindow, RatioFieldIsColouredWhileItHasTheFocus) {
    openPlanner();
    inDialog([] {
        QWidget* opportunity = eztest::Widget(kForm, kOpportunity);
        const QColor normal = opportunity->palette().color(QPalette::Base);
        eztest::Focus(kForm, kOpportunity);
        EXPECT_NE(opportunity->palette().color(QPalette::Base), normal);
        eztest::Tab();
        EXPECT_EQ(opportunity->palette().color(QPalette::Base), normal);
        eztest::Click(kForm, kCancel);
    });
}

TEST_F(OptionsDialogWindow, TabVisitsTheControlsInTheirOrder) {
    openPlanner();
    inDialog([] {
        eztest::Focus(kForm, kMonoChartBox);
        std::vector<int32_t> visited = {EZ_GETFOCUSID()};
        for (int i = 0; i < 12; ++i) {
            eztest::Tab();
            visited.push_back(EZ_GETFOCUSID());
        }
        // One stop for the radio group (its chosen radio); Events and Save (disabled) take none.
        const std::vector<int32_t> expected = {
            kMonoChartBox, kRememberClientBox, kClearClientBox, kAutoUpdateBox, kSetSelBox, kSelMonthsBox,
            kTipsOnBox,    kDollarRadio,       kOpportunity,    kBase,          kCancel,    kHelp,
            kMonoChartBox};
        EXPECT_EQ(visited, expected);
        eztest::Click(kForm, kCancel);
    });
}

TEST_F(OptionsDialogWindow, EveryControlFitsInsideTheDialog) {
    openPlanner();
    inDialog([] {
        const QRect client = eztest::Widget(kForm, 205)->parentWidget()->rect();
        for (const ControlDesign& c : OptionsControls()) {
            QWidget* w = eztest::Widget(kForm, c.id);
            ASSERT_NE(w, nullptr) << c.id;
            EXPECT_TRUE(client.contains(w->geometry())) << c.id;
        }
        // The switches sit in their frame, the radios in theirs.
        const QRect general = eztest::Widget(kForm, 205)->geometry();
        for (int32_t box : kAllBoxes)
            EXPECT_TRUE(general.contains(eztest::Widget(kForm, box)->geometry())) << box;
        const QRect currency = eztest::Widget(kForm, 200)->geometry();
        for (int32_t radio : {kDollarRadio, kEuroRadio, kPoundRadio})
            EXPECT_TRUE(currency.contains(eztest::Widget(kForm, radio)->geometry())) << radio;
        eztest::Click(kForm, kCancel);
    });
}

TEST_F(OptionsDialogWindow, HelpAndF1OpenTheOptionsPage) {
    SetHelpFolder(qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/assets/Help/");
    const std::string optionsPage = HelpPageForContext(60);
    ASSERT_FALSE(optionsPage.empty());
    auto shownPage = [] {
        HelpViewer* viewer = CurrentHelpViewer();
        return viewer ? viewer->browser()->currentTarget().toStdString() : std::string("no help window");
    };
    openPlanner();
    eztest::Focus(qm::kForm, qm::kBase); // the planner's budget topic until the dialog is turned to
    ASSERT_EQ(PlannerShell().helpContext, 35);
    inDialog([&] {
        eztest::Focus(kForm, kSetSelBox);
        eztest::PressShortcut(kForm, QKeySequence(Qt::Key_F1));
        EXPECT_EQ(shownPage(), optionsPage);
        CurrentHelpViewer()->showTopic(35);
        eztest::Click(kForm, kHelp);
        EXPECT_EQ(shownPage(), optionsPage);
        EXPECT_TRUE(dialogOpen());
        eztest::Click(kForm, kCancel);
    });
    EXPECT_FALSE(leftOpen);
    delete CurrentHelpViewer();
}

} // namespace
