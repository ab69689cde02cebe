// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's event model on real widgets: which events a user's actions raise, in which order,
// and what handlers can do with the value and cancel flags.
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "tests/toolkit/event_recorder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr int32_t kFirst = 225, kSecond = 230, kLabel = 100, kButton = 300, kCombo = 245, kSlider = 335;

class ToolkitTest : public EventRecorderTest {
  protected:
    ToolkitTest() { design = designTestForm; }

    static void designTestForm(const std::string& form) {
        if (form != "T1") return;
        EZ_USEFONT(4);
        EZ_LABEL(kLabel, 1, 1, 20, 1, "Label", "");
        EZ_SUBCLASS(2);
        EZ_TEXT(kFirst, 1, 2.5F, 20, 1.125F, "", "EST");
        EZ_SUBCLASS(0);
        EZ_TEXT(kSecond, 1, 4, 20, 1.125F, "", "EST");
        EZ_COMBOBOX(kCombo, 1, 5.5F, 12, 8, "January|February|March", "TV");
        EZ_HTRACKBAR(kSlider, 1, 7, 20, 1.125F, "=U");
        EZ_BUTTON(kButton, 1, 9, 8, 1.5F, "&OK", "T");
    }

    void openForm(const std::string& props = "C") {
        EZ_FORM("T1", "", "Test", 0, 0, 30, 12, props);
        eztest::Settle();
        events.clear();
    }

    std::vector<Event> eventsOf(int32_t id) const {
        std::vector<Event> out;
        for (const Event& e : events)
            if (e.id == id) out.push_back(e);
        return out;
    }
    std::vector<int32_t> messagesOf(int32_t id) const {
        std::vector<int32_t> out;
        for (const Event& e : eventsOf(id))
            out.push_back(e.message);
        return out;
    }
};

TEST_F(ToolkitTest, FormLifeRaisesLoadedThenStarted) {
    EZ_FORM("T1", "", "Test", 0, 0, 30, 12, "C");
    eztest::Settle();
    std::vector<int32_t> formMessages;
    for (const Event& e : eventsOf(0))
        if (e.message == kEzLoaded || e.message == kEzStarted) formMessages.push_back(e.message);
    EXPECT_EQ(formMessages, (std::vector<int32_t>{kEzLoaded, kEzStarted}));
    EXPECT_NE(eztest::Widget("T1", kFirst), nullptr);
}

TEST_F(ToolkitTest, TypingAndTabbingRaiseFocusChangeAndLostFocusInOrder) {
    openForm();
    eztest::Focus("T1", kSecond);
    events.clear();
    eztest::Focus("T1", kFirst);
    eztest::Type("T1", kFirst, "ab");
    std::vector<int32_t> first;
    for (int32_t m : messagesOf(kFirst))
        if (m != kEzKey) first.push_back(m);
    // help context, got focus, edit notification, one change per character
    EXPECT_EQ(first,
              (std::vector<int32_t>{kEzHelpContext, kEzGotFocus, kEzEditNotify, kEzChange, kEzChange}));
    EXPECT_EQ(EZ_GETTEXT("T1", kFirst), "ab");

    events.clear();
    eztest::Tab();
    EXPECT_EQ(messagesOf(kFirst), (std::vector<int32_t>{kEzKey, kEzLostFocus}));
    EXPECT_EQ(messagesOf(kSecond), (std::vector<int32_t>{kEzHelpContext, kEzGotFocus}));
    EXPECT_EQ(EZ_GETFOCUSID(), kSecond);
}

TEST_F(ToolkitTest, ProgramTextChangesRaiseNoChangeEvent) {
    openForm();
    EZ_SETTEXT("T1", kFirst, "set by the program");
    eztest::Settle();
    EXPECT_TRUE(eventsOf(kFirst).empty());
}

TEST_F(ToolkitTest, KeysCanBeSwallowedOrTurnedIntoTab) {
    handler = [](const std::string&, int32_t, int32_t message, int32_t& value, int32_t&) {
        if (message != kEzKey) return;
        if (value == kEzKeyEscape || value == 'X') value = 0;
        if (value == kEzKeyEnter) value = kEzKeyTab;
    };
    openForm();
    eztest::Type("T1", kFirst, "aXb");
    eztest::Key("T1", kFirst, Qt::Key_Escape);
    EXPECT_EQ(EZ_GETTEXT("T1", kFirst), "ab"); // the swallowed X never reached the field
    EXPECT_EQ(EZ_GETFOCUSID(), kFirst);
    eztest::Key("T1", kFirst, Qt::Key_Return);
    EXPECT_EQ(EZ_GETFOCUSID(), kSecond);
    // The key events carried the key codes the handler saw.
    std::vector<int32_t> keys;
    for (const Event& e : eventsOf(kFirst))
        if (e.message == kEzKey) keys.push_back(e.value);
    EXPECT_EQ(keys, (std::vector<int32_t>{'A', 'X', 'B', kEzKeyEscape, kEzKeyEnter}));
}

TEST_F(ToolkitTest, RefusedCloseKeepsTheFormAndGrantedCloseUnloadsIt) {
    int32_t refuse = 1;
    handler = [&](const std::string&, int32_t id, int32_t message, int32_t&, int32_t& cancel) {
        if (id == 0 && message == kEzClose) cancel = refuse;
    };
    openForm();
    eztest::CloseBox("T1");
    EXPECT_TRUE(eztest::FormExists("T1"));
    EZ_UNLOADFORM("T1");
    EXPECT_TRUE(eztest::FormExists("T1"));
    refuse = 0;
    eztest::CloseBox("T1");
    EXPECT_FALSE(eztest::FormExists("T1"));
    EXPECT_EQ(EZ_GETTEXT("T1", kFirst), ""); // a gone form answers with empty texts
}

TEST_F(ToolkitTest, ModalFormReturnsAfterItIsUnloaded) {
    bool scriptRan = false;
    eztest::OnModal("T1", [&] {
        scriptRan = true;
        EZ_SETTEXT("T1", kFirst, "inside");
        EZ_UNLOADFORM("T1");
    });
    EZ_FORM("T1", "", "Modal", 0, 0, 30, 12, "CM");
    EXPECT_TRUE(scriptRan);
    EXPECT_FALSE(eztest::FormExists("T1"));
}

TEST_F(ToolkitTest, ChoosingAnItemAndMovingTheSliderReportPositions) {
    openForm();
    eztest::ChooseItem("T1", kCombo, 2);
    EXPECT_EQ(eventsOf(kCombo), (std::vector<Event>{{"T1", kCombo, kEzChange, 2}}));
    EXPECT_EQ(EZ_GETTEXT("T1", kCombo), "March");
    EXPECT_EQ(EZ_GETATTR("T1", kCombo, "ISel"), 2);
    EZ_SELECTITEM("T1", kCombo, 0); // by the program: no event
    EXPECT_EQ(eventsOf(kCombo).size(), 1U);

    EZ_SETTBAR("T1", kSlider, 0, 90, 65);
    EXPECT_TRUE(eventsOf(kSlider).empty());
    eztest::MoveSlider("T1", kSlider, 70);
    // A move reports its position twice (the move and its end).
    EXPECT_EQ(eventsOf(kSlider),
              (std::vector<Event>{{"T1", kSlider, kEzChange, 70}, {"T1", kSlider, kEzChange, 70}}));
}

TEST_F(ToolkitTest, RightClickCanBeConsumedAndTooltipsAreAnsweredPerRequest) {
    handler = [](const std::string&, int32_t id, int32_t message, int32_t&, int32_t& cancel) {
        if (message == kEzRightClick) cancel = 1;
        if (message == kEzTooltip && id == kFirst) EZ_SETTOOLTIP("Right-click to restore default values");
    };
    openForm();
    eztest::RightClick("T1", kFirst);
    EXPECT_EQ(messagesOf(kFirst), (std::vector<int32_t>{kEzRightClick}));
    EXPECT_EQ(eztest::Tooltip("T1", kFirst), ""); // not asked for tooltips yet
    EZ_ADDTOOLTIP("T1", kFirst);
    EXPECT_EQ(eztest::Tooltip("T1", kFirst), "Right-click to restore default values");
}

TEST_F(ToolkitTest, EditNotificationGivesAHandleForTheSelection) {
    int32_t handle = 0;
    handler = [&](const std::string&, int32_t id, int32_t message, int32_t& value, int32_t&) {
        if (id == kFirst && message == kEzEditNotify) {
            handle = value;
            int32_t start = -1, end = -1;
            EZ_GETSELVAL(value, start, end);
            EZ_SETSELVAL(value, end, end); // caret after the selection, nothing selected
        }
    };
    openForm();
    EZ_SETTEXT("T1", kFirst, "Florists");
    eztest::Focus("T1", kFirst, Qt::TabFocusReason); // Tab selects the whole text
    ASSERT_NE(handle, 0);
    auto* edit = qobject_cast<QLineEdit*>(eztest::Widget("T1", kFirst));
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 8);
    EZ_SENDMESSAGE("T1", kFirst, kEmSetSel, 2, 4);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("or"));
    // Only subclassed fields send the notification.
    eztest::Focus("T1", kSecond);
    for (const Event& e : eventsOf(kSecond))
        EXPECT_NE(e.message, kEzEditNotify);
}

TEST_F(ToolkitTest, PostedEventArrivesLater) {
    openForm();
    EZ_POSTEVENT("T1", kFirst, 1);
    EXPECT_TRUE(eventsOf(kFirst).empty());
    eztest::Settle();
    EXPECT_EQ(eventsOf(kFirst), (std::vector<Event>{{"T1", kFirst, kEzPosted, 1}}));
}

TEST_F(ToolkitTest, MenusAndAcceleratorsRaiseTheirIds) {
    design = [](const std::string& form) {
        const int32_t bar = EZ_GETMENU(form, 0);
        EZ_ADDMENUITEM(bar, 9100, 0, "&Help", "");
        const int32_t plan = EZ_DEFSUBMENU(9005, "&Print", "");
        EZ_SAVEMENU(form, 1, plan);
        EZ_SETSUBMENU(bar, 9000, plan);
        EZ_ADDMENUITEM(plan, 9020, 0, "-", "");
        EZ_ADDMENUITEM(plan, 9035, 0, "E&xit", "");
    };
    EZ_DEFMAINMENU(9000, "&Plan", "");
    EZ_FORM("T1", "", "Menus", 0, 0, 30, 12, "C");
    EZ_DEFACCEL("T1", "F1,911");
    eztest::Settle();
    events.clear();
    const int32_t plan = EZ_GETMENU("T1", 1);
    ASSERT_NE(plan, 0);
    EXPECT_TRUE(eztest::MenuEnabled("T1", 9005));
    EZ_SETMENUITEM(plan, 9005, "&Print", "D");
    EXPECT_FALSE(eztest::MenuEnabled("T1", 9005));
    eztest::ClickMenu("T1", 9005); // disabled: nothing
    eztest::ClickMenu("T1", 9035);
    eztest::PressShortcut("T1", QKeySequence(Qt::Key_F1));
    std::vector<Event> clicks;
    for (const Event& e : events)
        if (e.message == kEzClick) clicks.push_back(e);
    EXPECT_EQ(clicks, (std::vector<Event>{{"T1", 9035, kEzClick, 0}, {"T1", 911, kEzClick, 0}}));
}

TEST_F(ToolkitTest, Cp1252TextsCrossTheEdgeUnchanged) {
    openForm();
    const std::string text = "\x80 12 \xA3 5 Quillmark\x99 \x97 ok";
    EZ_SETTEXT("T1", kLabel, text);
    EXPECT_EQ(EZ_GETTEXT("T1", kLabel), text);
    auto* label = qobject_cast<QLabel*>(eztest::Widget("T1", kLabel));
    EXPECT_EQ(label->text(), QString::fromUtf8("\u20AC 12 \u00A3 5 Quillmark\u2122 \u2014 ok"));
    eztest::Type("T1", kFirst, "\x80\xA3\x99\x97");
    EXPECT_EQ(EZ_GETTEXT("T1", kFirst), "\x80\xA3\x99\x97");
}

TEST_F(ToolkitTest, LabelsBreakLinesAtBars) {
    openForm();
    EZ_SETTEXT("T1", kLabel, "one|two");
    auto* label = qobject_cast<QLabel*>(eztest::Widget("T1", kLabel));
    EXPECT_EQ(label->text(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(EZ_GETTEXT("T1", kLabel), "one|two");
}

TEST_F(ToolkitTest, CharacterUnitsConvertBothWays) {
    openForm();
    float w = 0, h = 0;
    EZ_GETSIZE("T1", w, h, 0);
    EXPECT_FLOAT_EQ(w, 30.0F);
    EXPECT_FLOAT_EQ(h, 12.0F);
    EXPECT_FLOAT_EQ(EZ_CX(static_cast<int32_t>(eztest::Widget("T1", kFirst)->width())), 20.0F);
    float tw = 0, th = 0;
    EZ_GETTEXTSIZE(4, "Start Month:", tw, th, 1);
    EXPECT_GT(tw, 5.0F);
    EXPECT_LT(tw, 12.0F);
    EXPECT_GT(th, 0.5F);
}

} // namespace
