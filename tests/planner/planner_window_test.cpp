// SPDX-License-Identifier: GPL-3.0-or-later
// The planner window as it opens, its command states, its help topics and its placement.
#include "app/about/about_ids.h"
#include "app/help/help.h"
#include "app/help/help_browser.h"
#include "app/help/help_topics.h"
#include "app/help/help_viewer.h"
#include "tests/planner/planner_fixture.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QScreen>
#include <QSlider>
#include <QWidget>

using namespace qm;

namespace {

class PlannerWindow : public PlannerFixture {};

TEST_F(PlannerWindow, FirstRunShowsTheDefaults) {
    open();
    EXPECT_EQ(text(kBase), "65");
    EXPECT_EQ(text(kEvents), "25");
    EXPECT_EQ(text(kOpportunity), "10");
    auto* slider = qobject_cast<QSlider*>(eztest::Widget(kForm, kSlider));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 90);
    EXPECT_EQ(slider->value(), 65);
    EXPECT_EQ(EZ_GETATTR(kForm, kProfile, "ISel"), 0);
    EXPECT_EQ(text(kProfile), "None");
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(text(MonthField(m)), "0.0") << m;
    EXPECT_EQ(text(kTotal), "0.0");
    EXPECT_FALSE(eztest::MenuEnabled(kForm, kMenuPrint));
    EXPECT_FALSE(editEnabled());
    EXPECT_FALSE(clearEnabled());
    EXPECT_FALSE(eztest::ToolbarEnabled(kForm, kPrintButton));
    EXPECT_EQ(EZ_GETTEXT(kForm, 0), "Quillmark");
}

TEST_F(PlannerWindow, ControlsCarryTheirAccessibleNames) {
    open();
    const std::pair<int32_t, const char*> names[] = {{kClient, "Name"},
                                                     {kStation, "Station"},
                                                     {kSalesrep, "Salesrep"},
                                                     {kDate, "Date"},
                                                     {kStartMonth, "Start Month"},
                                                     {kYear, "Year"},
                                                     {kBudget, "Budget"},
                                                     {kRate, "Avg Rate"},
                                                     {MonthField(1), "Jan"},
                                                     {MonthField(12), "Dec"},
                                                     {kBase, "Base"},
                                                     {kEvents, "Events"},
                                                     {kOpportunity, "Opportunity"},
                                                     {kProfile, "Business Profile"},
                                                     {kSlider, "Base/Events split"},
                                                     {kPrintButton, "Print"},
                                                     {kExitButton, "Exit"}};
    for (const auto& [id, name] : names)
        EXPECT_EQ(eztest::Widget(kForm, id)->accessibleName().toStdString(), name) << id;
}

TEST_F(PlannerWindow, KeepsItsDesignedSizeWhateverIsSaved) {
    setting("QM", "FormWid", "120");
    setting("QM", "FormHgt", "40");
    open();
    float w = 0, h = 0;
    EZ_GETSIZE(kForm, w, h, 0);
    EXPECT_NEAR(w, 76.25F, 0.15F);
    EXPECT_NEAR(h, 16.75F, 0.1F);
}

TEST_F(PlannerWindow, PrintNeedsTheFourFieldsAndATotalOfExactly100) {
    open();
    chooseProfile("Florists");
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_TRUE(editEnabled());
    EXPECT_TRUE(clearEnabled());
    EXPECT_FALSE(printEnabled());
    fillClient();
    EXPECT_TRUE(printEnabled());
    // Blanks only count as empty once the field is left (it is trimmed).
    enter(kStation, "   ");
    EXPECT_EQ(text(kStation), "");
    EXPECT_FALSE(printEnabled());
    enter(kStation, "WQMK");
    EXPECT_TRUE(printEnabled());
    // A total that shows "100.0" without being 100: Print by the label, Edit and Clear by the sum.
    enter(MonthField(1), "6.54");
    EXPECT_EQ(text(MonthField(1)), "6.5");
    eztest::Focus(kForm, MonthField(3));
    EZ_SETTEXT(kForm, MonthField(2), "9.64"); // February's text not yet normalised
    EZ_SETTEXT(kForm, MonthField(3), "");
    type(MonthField(3), "7.7");
    eztest::Tab();
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_TRUE(printEnabled());
    EXPECT_FALSE(editEnabled());
    EXPECT_FALSE(clearEnabled());
}

TEST_F(PlannerWindow, ChoosingNoneDisablesTheProfileCommands) {
    open();
    fillClient();
    chooseProfile("Florists");
    EXPECT_TRUE(printEnabled());
    chooseProfile("None");
    EXPECT_FALSE(printEnabled());
    EXPECT_FALSE(editEnabled());
    EXPECT_FALSE(clearEnabled());
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(text(MonthField(m)), "0.0");
}

TEST_F(PlannerWindow, HelpTopicFollowsThePartInUse) {
    open();
    const std::pair<int32_t, int32_t> topics[] = {{kClient, 10},       {kBudget, 10},  {kStartMonth, 10},
                                                  {MonthField(4), 20}, {kProfile, 20}, {kBase, 35},
                                                  {kOpportunity, 35},  {kSlider, 35}};
    for (const auto& [id, topic] : topics) {
        eztest::Focus(kForm, id);
        EXPECT_EQ(PlannerShell().helpContext, topic) << id;
    }
    int32_t id = kToolbar, message = kEzHelpContext, value = 0, cancel = 0;
    PlannerEvents(id, message, value, cancel);
    EXPECT_EQ(PlannerShell().helpContext, 80);
    id = 0;
    PlannerEvents(id, message, value, cancel);
    EXPECT_EQ(PlannerShell().helpContext, 15);
}

TEST_F(PlannerWindow, ToolbarAnswersTooltipsAndTurnsEnterIntoTab) {
    open();
    EXPECT_EQ(eztest::Tooltip(kForm, kPrintButton), "Print");
    EXPECT_EQ(eztest::Tooltip(kForm, kClearButton), "Clear Profile");
    EXPECT_EQ(eztest::Tooltip(kForm, kExitButton), "Exit");
    EXPECT_EQ(eztest::Tooltip(kForm, kToolbar), "");
    EXPECT_EQ(eztest::Tooltip(kForm, kBase), "Right-click to restore default values");
    EXPECT_EQ(eztest::Tooltip(kForm, kOpportunity), "Right-click to restore default values");
    EXPECT_EQ(eztest::Tooltip(kForm, kSlider),
              "Move slider to adjust Base/Opportunity ratios, right-click to reset to default values");
    for (int32_t key : {kEzKeyEscape, kEzKeyEnter}) {
        int32_t id = kToolbar, message = kEzKey, value = key, cancel = 0;
        PlannerEvents(id, message, value, cancel);
        EXPECT_EQ(value, key == kEzKeyEscape ? 0 : kEzKeyTab);
    }
}

TEST_F(PlannerWindow, ExitClosesTheWindowAndSavesItsPlacement) {
    open();
    eztest::ClickToolbar(kForm, kExitButton);
    EXPECT_FALSE(eztest::FormExists(kForm));
    EXPECT_NE(GETINI(Paths().settingsFile, "QM", "LastCol", ""), "");
    EXPECT_NE(GETINI(Paths().settingsFile, "QM", "LastRow", ""), "");
    // The client is not remembered with the option off.
    EXPECT_EQ(GETINI(Paths().settingsFile, "Info", "Client", "absent"), "absent");
}

// The commands that open the program's other windows, from the menu, the toolbar and F1.
struct WindowCommand {
    const char* name;
    int32_t menuItem;      // 0: from the toolbar
    int32_t toolbarButton; // 0: from the menu
    bool f1InBudget;       // F1 pressed with the focus in Budget
    const char* helpPage;  // the help page shown, or nullptr when About opens
};

class PlannerCommands : public PlannerFixture, public ::testing::WithParamInterface<WindowCommand> {};

TEST_P(PlannerCommands, OpenTheirWindows) {
    const WindowCommand& c = GetParam();
    SetHelpFolder(qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/assets/Help/");
    open();
    bool aboutOpened = false;
    if (!c.helpPage)
        eztest::OnModal(kAboutForm, [&] {
            aboutOpened = true;
            EZ_UNLOADFORM(kAboutForm);
        });
    if (c.menuItem) eztest::ClickMenu(kForm, c.menuItem);
    if (c.toolbarButton) eztest::ClickToolbar(kForm, c.toolbarButton);
    if (c.f1InBudget) {
        eztest::Focus(kForm, kBudget);
        eztest::PressShortcut(kForm, QKeySequence(Qt::Key_F1));
    }
    eztest::Settle();
    if (c.helpPage) {
        HelpViewer* viewer = CurrentHelpViewer();
        ASSERT_NE(viewer, nullptr) << "no help window";
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->browser()->currentTarget().toStdString(), c.helpPage);
        delete viewer;
    } else {
        EXPECT_TRUE(aboutOpened);
        EXPECT_FALSE(eztest::FormExists(kAboutForm));
    }
    EXPECT_TRUE(eztest::FormExists(kForm)) << "the planner stays open";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlannerCommands,
    ::testing::Values(WindowCommand{"HelpContentsFromTheMenu", kMenuHelpContents, 0, false, "index.html"},
                      WindowCommand{"HelpFromTheToolbar", 0, kHelpButton, false, "index.html"},
                      WindowCommand{"F1InTheBudget", 0, 0, true, "client.html"},
                      WindowCommand{"AboutFromTheMenu", kMenuAbout, 0, false, nullptr}),
    [](const ::testing::TestParamInfo<WindowCommand>& param) { return std::string(param.param.name); });

TEST_F(PlannerWindow, ExitFromTheMenuClosesTheWindow) {
    open();
    eztest::ClickMenu(kForm, kMenuExit);
    EXPECT_FALSE(eztest::FormExists(kForm));
}

// Placement cases: what is saved, and where the window opens.
struct PlacementCase {
    const char* name;
    const char* col;
    const char* row;
    bool centred;
};

class PlannerPlacement : public PlannerFixture, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PlannerPlacement, OpensWhereItWasOrCentred) {
    const PlacementCase& c = GetParam();
    if (c.col) setting("QM", "LastCol", c.col);
    if (c.row) setting("QM", "LastRow", c.row);
    open();
    QWidget* window = eztest::Window(kForm);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centreOffset = window->frameGeometry().center() - screen.center();
    if (c.centred) {
        EXPECT_LE(std::abs(centreOffset.x()), 2) << c.name;
        EXPECT_LE(std::abs(centreOffset.y()), 2) << c.name;
    } else {
        float col = 0, row = 0;
        EZ_GETPOS(kForm, col, row, 0);
        EXPECT_NEAR(col, std::stof(c.col), 0.2F) << c.name;
        EXPECT_NEAR(row, std::stof(c.row), 0.2F) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlannerPlacement,
                         ::testing::Values(PlacementCase{"nothing saved", nullptr, nullptr, true},
                                           PlacementCase{"row 0 counts as none", "5", "0", true},
                                           PlacementCase{"column 0 is kept", "0", "3", false},
                                           PlacementCase{"a saved place", "4", "2", false},
                                           PlacementCase{"off screen", "4000", "2", true}),
                         [](const ::testing::TestParamInfo<PlacementCase>& param) {
                             std::string n = param.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

// Saving measures the window with its frame and menu bar; so does restoring: a place where only
// the client area would fit does not open the window across the screen's bottom edge.
TEST_F(PlannerWindow, AWindowNeverOpensPartlyOffTheScreen) {
    open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize outer = eztest::Window(kForm)->frameGeometry().size();
    float clientWidth = 0, clientHeight = 0;
    EZ_GETSIZE(kForm, clientWidth, clientHeight, 0);
    const float beyondClient = EZ_CY(outer.height()) - clientHeight;
    ASSERT_GT(beyondClient, 0.5F); // the menu bar at least
    eztest::Reset();
    eztest::Install(EventDispatch, DesignDispatch);
    const float row = EZ_CY(screen.height()) - clientHeight - beyondClient / 2;
    setting("QM", "LastCol", "2");
    setting("QM", "LastRow", std::to_string(row));
    open();
    const QRect opened = eztest::Window(kForm)->frameGeometry();
    EXPECT_TRUE(screen.contains(opened)) << opened.bottom() << " below " << screen.bottom();
}

// A year typed with two digits is read with the pivot, and Enter leaves the field at once.
TEST_F(PlannerWindow, ATwoDigitYearTypedInTheYearIsKeptAndEnterLeaves) {
    open();
    eztest::Focus(kForm, kYear, Qt::TabFocusReason);
    type(kYear, "19");
    eztest::Key(kForm, kYear, Qt::Key_Return);
    EXPECT_NE(EZ_GETFOCUSID(), kYear);
    int16_t month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0, ms = 0, weekday = 0;
    EZ_GETDATETIME(kForm, kYear, month, day, year, hour, minute, second, ms, weekday);
    EXPECT_EQ(year, 2019);
}

TEST_F(PlannerWindow, SavingPullsAWindowBackOnScreen) {
    open();
    QWidget* window = eztest::Window(kForm);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int outerWidth = window->frameGeometry().width();
    window->move(screen.width() - outerWidth / 2, -30);
    eztest::CloseBox(kForm);
    const float col = std::stof(GETINI(Paths().settingsFile, "QM", "LastCol", "-1"));
    const float row = std::stof(GETINI(Paths().settingsFile, "QM", "LastRow", "-1"));
    const float width = std::stof(GETINI(Paths().settingsFile, "QM", "FormWid", "0"));
    EXPECT_FLOAT_EQ(row, 0.0F);
    // The right edge touches the screen's right edge (outer width in columns).
    EXPECT_NEAR(col, EZ_CX(screen.width() - outerWidth), 0.2F);
    EXPECT_NEAR(width, 76.25F, 0.15F);
}

} // namespace
