// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the real dialog: the buttons it makes, the focus it starts with, and the answer that
// each way of leaving it gives, with the checkbox folded into the sign.
#include "dialog_fixture.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const kYesNo = "*{G,f7}|&Yes|&No";

struct Action {
    const char* name;
    std::function<void()> act;
};

const std::vector<Action>& ActionsOnTheFocusedButton() {
    static const std::vector<Action> actions = {
        {"Enter", [] { MessageDialogTest::PressOnFocused(Qt::Key_Return); }},
        {"keypad Enter", [] { MessageDialogTest::PressOnFocused(Qt::Key_Enter); }},
        {"Space", [] { MessageDialogTest::PressOnFocused(Qt::Key_Space); }},
        {"click", [] { eztest::Click(kDialog, EZ_GETFOCUSID()); }},
    };
    return actions;
}

const std::vector<Action>& Dismissals() {
    static const std::vector<Action> actions = {
        {"Escape", [] { MessageDialogTest::PressOnFocused(Qt::Key_Escape); }},
        {"close box", [] { eztest::CloseBox(kDialog); }},
    };
    return actions;
}

TEST_F(MessageDialogTest, NoticeHasOneBoldStandardOkButtonWithTheFocus) {
    WhenShown([] {
        EXPECT_EQ(EZ_GETTEXT(kDialog, 0), "Profiles Saved");
        EXPECT_EQ(EZ_GETTEXT(kDialog, kText1Id), "The profiles were saved.");
        EXPECT_EQ(EZ_GETTEXT(kDialog, kText2Id), "Next|line");
        ASSERT_TRUE(IsStandardButton(ButtonId(1)));
        EXPECT_EQ(EZ_GETTEXT(kDialog, ButtonId(1)), "&OK");
        EXPECT_TRUE(Control(ButtonId(1))->font().bold());
        EXPECT_EQ(Control(ButtonId(2)), nullptr);
        EXPECT_EQ(Control(kCheckBoxId), nullptr);
        EXPECT_EQ(Control(kPictureId), nullptr);
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(1));
        eztest::Key(kDialog, ButtonId(1), Qt::Key_Return);
    });
    EXPECT_EQ(ShowNotice("  Profiles Saved ", " The profiles were saved.{f7}", "Next|line{f6}"), 1);
    EXPECT_FALSE(leftOpen);
    EXPECT_FALSE(eztest::FormExists(kDialog));
}

TEST_F(MessageDialogTest, OkButtonAnswersOneAndDismissingAnswers99) {
    for (const Action& action : ActionsOnTheFocusedButton()) {
        SCOPED_TRACE(action.name);
        WhenShown(action.act);
        EXPECT_EQ(ShowNotice("Note", "Text", ""), 1);
        EXPECT_FALSE(leftOpen);
    }
    for (const Action& action : Dismissals()) {
        SCOPED_TRACE(action.name);
        WhenShown(action.act);
        EXPECT_EQ(ShowNotice("Note", "Text", ""), kDialogDismissed);
        EXPECT_FALSE(leftOpen);
    }
}

TEST_F(MessageDialogTest, DefaultsItemMakesNoButtonAndTheButtonsAnswerTheirNumbers) {
    WhenShown([] {
        ASSERT_TRUE(IsStandardButton(ButtonId(1)));
        ASSERT_TRUE(IsStandardButton(ButtonId(2)));
        EXPECT_EQ(Control(ButtonId(3)), nullptr);
        EXPECT_EQ(EZ_GETTEXT(kDialog, ButtonId(1)), "&Yes");
        EXPECT_EQ(EZ_GETTEXT(kDialog, ButtonId(2)), "&No");
        EXPECT_TRUE(Control(ButtonId(1))->font().bold());
        EXPECT_TRUE(Control(ButtonId(2))->font().bold());
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(2)); // the default
        eztest::Click(kDialog, ButtonId(1));
    });
    EXPECT_EQ(ASKUSER("Question", "Proceed?", "", "", kYesNo, 2), 1);

    WhenShown([] { eztest::Click(kDialog, ButtonId(2)); });
    EXPECT_EQ(ASKUSER("Question", "Proceed?", "", "", kYesNo, 1), 2);

    // Enter chooses the button that has the focus, wherever the focus was moved.
    WhenShown([] {
        eztest::Focus(kDialog, ButtonId(2));
        PressOnFocused(Qt::Key_Return);
    });
    EXPECT_EQ(ASKUSER("Question", "Proceed?", "", "", kYesNo, 1), 2);
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, TheDefaultButtonStartsWithTheFocus) {
    const std::string buttons = "*{G}|&Yes|&No|&Cancel";
    const std::vector<std::pair<int32_t, int32_t>> cases = {{1, 1}, {2, 2}, {3, 3}, {-2, 2}};
    for (const auto& [defaultButton, focused] : cases) {
        SCOPED_TRACE(defaultButton);
        int32_t focus = 0;
        WhenShown([&] {
            focus = EZ_GETFOCUSID();
            eztest::CloseBox(kDialog);
        });
        ASKUSER("Question", "Proceed?", "", "", buttons, defaultButton);
        EXPECT_EQ(focus, ButtonId(focused));
    }
    // No default, or one beyond the buttons, moves the focus to no button of its own accord.
    for (int32_t defaultButton : {0, 7}) {
        SCOPED_TRACE(defaultButton);
        WhenShown([] {
            EXPECT_NE(EZ_GETFOCUSID(), ButtonId(2));
            EXPECT_NE(EZ_GETFOCUSID(), ButtonId(3));
            eztest::CloseBox(kDialog);
        });
        EXPECT_EQ(ASKUSER("Question", "Proceed?", "", "", buttons, defaultButton), kDialogDismissed);
    }
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, NegativeDefaultChecksTheBoxAndEveryAnswerComesBackNegated) {
    auto ask = [] {
        return MarkupMessageBox("", "Question", "Proceed?", "", "Do not ask again", kYesNo, "", -1, "C");
    };
    WhenShown([] {
        EXPECT_EQ(EZ_GETCHECK(kDialog, kCheckBoxId), 1);
        EXPECT_EQ(EZ_GETTEXT(kDialog, kCheckBoxId), "Do not ask again");
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(1)); // the sign is the box's; the number the button's
        eztest::Click(kDialog, ButtonId(1));
    });
    EXPECT_EQ(ask(), -1);
    WhenShown([] {
        eztest::Focus(kDialog, ButtonId(2));
        PressOnFocused(Qt::Key_Return);
    });
    EXPECT_EQ(ask(), -2);
    for (const Action& action : Dismissals()) {
        SCOPED_TRACE(action.name);
        WhenShown(action.act);
        EXPECT_EQ(ask(), -kDialogDismissed);
    }
    // Unticked before answering: the answer is positive again.
    WhenShown([] {
        eztest::Click(kDialog, kCheckBoxId);
        EXPECT_EQ(EZ_GETCHECK(kDialog, kCheckBoxId), 0);
        eztest::Click(kDialog, ButtonId(2));
    });
    EXPECT_EQ(ask(), 2);
    // Ticked by the user from a positive default: negated.
    WhenShown([] {
        eztest::Click(kDialog, kCheckBoxId);
        PressOnFocused(Qt::Key_Escape);
    });
    EXPECT_EQ(MarkupMessageBox("", "Question", "Proceed?", "", "Do not ask again", kYesNo, "", 1, "C"),
              -kDialogDismissed);
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, WithoutACheckboxANegativeDefaultGivesPositiveAnswers) {
    WhenShown([] {
        EXPECT_EQ(Control(kCheckBoxId), nullptr);
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(2));
        PressOnFocused(Qt::Key_Return);
    });
    EXPECT_EQ(ASKUSER("Question", "Proceed?", "", "", kYesNo, -2), 2);
}

TEST_F(MessageDialogTest, EnterOnTheCheckboxDoesNothing) {
    bool stillOpen = false;
    int32_t checked = -1;
    WhenShown([&] {
        eztest::Focus(kDialog, kCheckBoxId);
        eztest::Key(kDialog, kCheckBoxId, Qt::Key_Return);
        stillOpen = eztest::FormExists(kDialog);
        checked = EZ_GETCHECK(kDialog, kCheckBoxId);
        EXPECT_EQ(EZ_GETFOCUSID(), kCheckBoxId);
        eztest::Key(kDialog, kCheckBoxId, Qt::Key_Escape);
    });
    EXPECT_EQ(MarkupMessageBox("", "Question", "Proceed?", "", "Remember", kYesNo, "", 1, ""),
              kDialogDismissed);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(checked, 0);
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, ClickingTheBoxSendsTheFocusBackToTheLastFocusedButton) {
    const std::string buttons = "*{G}|&Yes|&No|&Cancel";
    WhenShown([] {
        eztest::Click(kDialog, kCheckBoxId);
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(2)); // the default, focused at the start
        eztest::Focus(kDialog, ButtonId(3));
        eztest::Click(kDialog, kCheckBoxId);
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(3));
        EXPECT_EQ(EZ_GETCHECK(kDialog, kCheckBoxId), 0); // ticked, then unticked
        eztest::Click(kDialog, kCheckBoxId);
        PressOnFocused(Qt::Key_Return);
    });
    EXPECT_EQ(MarkupMessageBox("", "Question", "Proceed?", "", "Remember", buttons, "", 2, ""), -3);

    // With no default and no button focused yet, the box keeps the focus.
    WhenShown([] {
        eztest::Click(kDialog, kCheckBoxId);
        EXPECT_EQ(EZ_GETFOCUSID(), kCheckBoxId);
        eztest::Focus(kDialog, ButtonId(1));
        eztest::Click(kDialog, kCheckBoxId);
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(1));
        PressOnFocused(Qt::Key_Return);
    });
    EXPECT_EQ(MarkupMessageBox("", "Question", "Proceed?", "", "Remember", buttons, "", 0, ""), 1);
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, TenButtonsAtMostAnsweringTheirNumbers) {
    const std::string buttons = "*{G,w3}|1|2|3|4|5|6|7|8|9|10|11";
    WhenShown([] {
        EXPECT_EQ(Control(ButtonId(9)) != nullptr, true);
        EXPECT_EQ(Control(ButtonId(10)), nullptr); // the defaults item was the first of the ten
        eztest::Click(kDialog, ButtonId(9));
    });
    EXPECT_EQ(ASKUSER("Many", "Pick one", "", "", buttons, 0), 9);
    WhenShown([] { eztest::Click(kDialog, ButtonId(10)); });
    EXPECT_EQ(ASKUSER("Many", "Pick one", "", "", "1|2|3|4|5|6|7|8|9|10{G}|11", 10), 10);
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, SaveQuestionIsSkippedWhenTheSaveButtonIsDisabled) {
    int32_t answer = 0;
    hostEvents = [&](int32_t id, int32_t message) {
        if (id == kHostClose && message == kEzClick) answer = ConfirmSaveOnExit(kHost, kHostSave);
    };
    EZ_FORM(kHost, "", "Options", 0, 0, 30, 5, "C");
    eztest::Settle();
    EZ_DISABLEC(kHost, kHostSave);
    eztest::Click(kHost, kHostClose);
    EXPECT_EQ(answer, 2);
    EXPECT_EQ(designs, 0);
    // A form without such a control has nothing to save either.
    EXPECT_EQ(ConfirmSaveOnExit(kHost, 999), 2);
    EXPECT_EQ(designs, 0);
}

TEST_F(MessageDialogTest, SaveQuestionAsksOverItsFormWithYesFocused) {
    struct Case {
        const char* name;
        std::string document;
        std::function<void()> act;
        int32_t expected;
    };
    const std::vector<Case> cases = {
        {"Yes", "", [] { PressOnFocused(Qt::Key_Return); }, 1},
        {"No", "", [] { eztest::Click(kDialog, ButtonId(2)); }, 2},
        {"Cancel", "Plan.ini", [] { eztest::Click(kDialog, ButtonId(3)); }, 3},
        {"Escape", "", [] { PressOnFocused(Qt::Key_Escape); }, kDialogDismissed},
    };
    EZ_FORM(kHost, "", "Options", 0, 0, 30, 5, "C");
    eztest::Settle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t answer = 0;
        hostEvents = [&](int32_t id, int32_t message) {
            if (id == kHostClose && message == kEzClick)
                answer = ConfirmSaveOnExit(kHost, kHostSave, c.document);
        };
        WhenShown([&] {
            EXPECT_EQ(eztest::Window(kDialog)->parentWidget(), eztest::Window(kHost));
            EXPECT_EQ(EZ_GETTEXT(kDialog, 0), "Changes Not Saved");
            EXPECT_EQ(EZ_GETTEXT(kDialog, kText1Id),
                      c.document.empty() ? "Save your changes before you exit?"
                                         : "Save changes to " + c.document + " before you exit?");
            EXPECT_EQ(EZ_GETTEXT(kDialog, kText2Id), "(Unsaved changes will be lost.)");
            for (int32_t b = 1; b <= 3; ++b)
                EXPECT_TRUE(IsStandardButton(ButtonId(b)));
            EXPECT_EQ(EZ_GETTEXT(kDialog, ButtonId(3)), "&Cancel");
            EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(1));
            c.act();
        });
        eztest::Click(kHost, kHostClose);
        EXPECT_EQ(answer, c.expected);
        EXPECT_FALSE(leftOpen);
    }
}

} // namespace

namespace {

// A question whose default is 0 starts with no button focused: Enter answers nothing until the
// user moves to a button, and the button that has the focus is the one drawn as the default.
TEST_F(MessageDialogTest, WithNoDefaultEnterDoesNothingUntilAButtonIsChosen) {
    bool openAfterEnter = false;
    WhenShown([&] {
        EXPECT_EQ(EZ_GETFOCUSID(), 0);
        for (int32_t b = 1; b <= 2; ++b)
            EXPECT_FALSE(qobject_cast<QPushButton*>(Control(ButtonId(b)))->isDefault()) << b;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        eztest::Settle();
        openAfterEnter = eztest::FormExists(kDialog);
        eztest::Tab();
        EXPECT_EQ(EZ_GETFOCUSID(), ButtonId(1));
        EXPECT_TRUE(qobject_cast<QPushButton*>(Control(ButtonId(1)))->isDefault());
        PressOnFocused(Qt::Key_Return);
    });
    EXPECT_EQ(ASKUSER("Delete This Profile?", "Delete the profile?", "", "", kYesNo, 0), 1);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_FALSE(leftOpen);

    // Escape still dismisses it before any button has the focus.
    WhenShown([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(ASKUSER("Delete This Profile?", "Delete the profile?", "", "", kYesNo, 0), kDialogDismissed);
    EXPECT_FALSE(leftOpen);
}

TEST_F(MessageDialogTest, TheFocusedButtonIsMarkedAsTheOneEnterPresses) {
    WhenShown([] {
        auto button = [](int32_t b) { return qobject_cast<QPushButton*>(Control(ButtonId(b))); };
        EXPECT_TRUE(button(2)->isDefault());
        EXPECT_FALSE(button(1)->isDefault());
        eztest::Focus(kDialog, ButtonId(3));
        EXPECT_TRUE(button(3)->isDefault());
        EXPECT_FALSE(button(2)->isDefault());
        eztest::CloseBox(kDialog);
    });
    ASKUSER("Question", "Proceed?", "", "", "*{G}|&Yes|&No|&Cancel", 2);
    // Owner-drawn buttons draw the mark themselves: the focused default differs from itself unfocused.
    WhenShown([] {
        QWidget* yes = Control(ButtonId(1));
        const QImage marked = yes->grab().toImage();
        eztest::Focus(kDialog, ButtonId(2));
        const QImage plain = yes->grab().toImage();
        EXPECT_NE(marked, plain);
        eztest::CloseBox(kDialog);
    });
    ASKUSER("Question", "Proceed?", "", "", "*{3}|&Yes|&No", 1);
    EXPECT_FALSE(leftOpen);
}

// A name from the user is shown as it is, whatever it holds; the caller's markup still applies.
TEST_F(MessageDialogTest, UserTextsAreShownAsTextNotAsMarkup) {
    const std::string name = "Bob{s|Deli";
    WhenShown([&] {
        auto* label = qobject_cast<QLabel*>(Control(kText1Id));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), "Delete the profile \"" + name + "\"?");
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->font().pointSizeF(), 10.0);
        EXPECT_EQ(EZ_GETTEXT(kDialog, 0), "Profile " + name);
        eztest::CloseBox(kDialog);
    });
    ASKUSER("Profile " + MarkupLiteral(name), "Delete the profile \"" + MarkupLiteral(name) + "\"?{f10}",
            "(This action cannot be reversed){f6}", "", kYesNo, 0);
    EXPECT_FALSE(leftOpen);
}

// The frame shows the whole title: a dialog with a short text is as wide as its title needs.
TEST_F(MessageDialogTest, ADialogIsWideEnoughForItsWholeTitle) {
    for (const char* title : {"Delete This Profile?", "Changes Not Saved", "Rebuild All Business Profiles"}) {
        SCOPED_TRACE(title);
        float width = 0, height = 0;
        WhenShown([&] {
            EZ_GETSIZE(kDialog, width, height, 0);
            eztest::CloseBox(kDialog);
        });
        ASKUSER(title, "Ok?", "", "", "&OK{G}", 1);
        EXPECT_GE(width, EzCaptionWidth(title) - 0.2F);
        EXPECT_GT(EzCaptionWidth(title), 12.0F); // more than the text and the button would take
    }
}

} // namespace
