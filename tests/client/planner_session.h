// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real planner window on the offscreen platform over a data folder of its own, with today
// fixed, for the tests of the remembered client, Clear and the profile editor. Message dialogs
// are answered by scripts; what each one asked is kept in `asked`.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "dates/today.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "plan/plan_state.h"
#include "prefs/options.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

class PlannerSession : public ::testing::Test {
  protected:
    static constexpr CivilDate kToday{2024, 6, 14};
    static constexpr int kDismiss = 0; // answer a dialog with its close box

    // A message dialog's strings as the program passed them, markup included.
    struct Question {
        std::string title, text1, text2, buttons;
        int32_t defaultButton = 0;
    };

    TempFolder data;
    std::vector<Question> asked;

    void SetUp() override {
        EZ_DEFFONT(6, "Segoe UI", 9, "");
        EZ_DEFFONT(7, "Segoe UI", 9, "B");
        EZ_DEFFONT(10, "Segoe UI", 10, "B");
        SetTodayForTesting(kToday);
        qputenv("QUILLMARK_HOME", QByteArray::fromStdString(data.path().string()));
        ComputePaths(QCoreApplication::applicationDirPath().toStdString());
        eztest::Install(EventDispatch, DesignDispatch);
        setting("Options", "AutoUpdate", "0");
        answerDialogs();
    }

    void TearDown() override {
        EXPECT_TRUE(answers.empty()) << "answers left for dialogs that were never shown";
        eztest::Reset();
        Plan() = PlanState{};
        Prefs() = Preferences{};
        SetTodayForTesting(std::nullopt);
        qunsetenv("QUILLMARK_HOME");
    }

    void setting(const std::string& section, const std::string& key, const std::string& value) const {
        PutIni(Paths().settingsFile, section, key, value);
    }
    std::string stored(const std::string& section, const std::string& key) const {
        return GETINI(Paths().settingsFile, section, key, "<absent>");
    }

  public:
    static void open() {
        ShowPlanner("");
        eztest::Settle();
        ASSERT_TRUE(eztest::FormExists(qm::kForm));
    }
    // Closes the planner as the user does, through its window's close box.
    static void closeByCloseBox() {
        eztest::CloseBox(qm::kForm);
        eztest::Settle();
        ASSERT_FALSE(eztest::FormExists(qm::kForm));
    }

    static std::string text(int32_t id) { return EZ_GETTEXT(qm::kForm, id); }
    // Replaces a field's text as a user does, then leaves it with Tab.
    static void enter(int32_t id, const std::string& s) {
        eztest::Focus(qm::kForm, id, Qt::TabFocusReason);
        EZ_SETTEXT(qm::kForm, id, "");
        eztest::Type(qm::kForm, id, s);
        eztest::Tab();
    }
    static void choose(int32_t list, const std::string& item) {
        const int32_t index = EZ_FINDNEXT(qm::kForm, list, item, 0);
        ASSERT_GE(index, 0) << item;
        eztest::ChooseItem(qm::kForm, list, index);
    }
    // A planner command (Print, Edit, Clear) by its menu item and its toolbar button: offered
    // when both are enabled, withheld when neither is.
    static bool offered(int32_t menuItem, int32_t button) {
        return eztest::MenuEnabled(qm::kForm, menuItem) && eztest::ToolbarEnabled(qm::kForm, button);
    }
    static bool withheld(int32_t menuItem, int32_t button) {
        return !eztest::MenuEnabled(qm::kForm, menuItem) && !eztest::ToolbarEnabled(qm::kForm, button);
    }

  protected:
    // Every form unloaded and the toolkit's state forgotten, ready for another planner.
    void resetWindows() {
        eztest::Reset();
        eztest::Install(EventDispatch, DesignDispatch);
        answerDialogs();
    }

    // The next message dialog is answered with `button` (kDismiss: its close box).
    void answerNextDialog(int32_t button) { answers.push_back(button); }

  private:
    std::deque<int32_t> answers;

    // Answers every message dialog from `answers`, in order; a dialog that no answer was given
    // for fails the test and is closed, so that the test goes on.
    void answerDialogs() {
        eztest::OnModal(kMessageDialogForm, [this] {
            answerDialogs(); // for the next one
            const MessageDialogState& d = MessageDialog();
            asked.push_back({d.title, d.text1, d.text2, d.buttons, d.defaultButton});
            int32_t button = kDismiss;
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected message dialog: " << d.title << " / " << d.text1;
            } else {
                button = answers.front();
                answers.pop_front();
            }
            if (button == kDismiss)
                eztest::CloseBox(kMessageDialogForm);
            else
                eztest::Click(kMessageDialogForm, ButtonId(button));
        });
    }
};
