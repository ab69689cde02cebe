// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real options dialog over the real planner window, with a data folder of its own. The dialog
// is modal: a test gives what it does inside it to inDialog(), which opens it from the planner's
// menu (or its toolbar). Questions of the message dialog are answered by the buttons given to
// answer(); one that no test step expected is answered No, and counted all the same.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "plan/plan_state.h"
#include "prefs/options.h"
#include "prefs/options_layout.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class OptionsFixture : public ::testing::Test {
  protected:
    TempFolder data;
    std::vector<std::string> questions; // the first text of every message dialog shown
    std::vector<std::string> titles;    // and its title
    bool leftOpen = false;              // the dialog was still open when the test's steps ended
    int answers = 0;                    // answers given to answer() and not yet used

    void SetUp() override {
        qputenv("QUILLMARK_HOME", QByteArray::fromStdString(data.path().string()));
        ComputePaths(QCoreApplication::applicationDirPath().toStdString());
        EZ_DEFFONT(6, "Segoe UI", 9, "L+V");
        EZ_DEFFONT(7, "Segoe UI", 9, "BV");
        EZ_DEFFONT(10, "Segoe UI", 10, " BV");
        install();
    }

    // The program's dispatchers, with every question counted.
    void install() {
        eztest::Install(EventDispatch, [this](const std::string& form) {
            if (form == kMessageDialogForm && answers == 0) answer(2);
            DesignDispatch(form);
        });
    }

    void TearDown() override {
        eztest::Reset();
        Plan() = PlanState{};
        Prefs() = Preferences{};
        PlannerShell().helpContext = 0;
        qunsetenv("QUILLMARK_HOME");
    }

    void setting(const std::string& section, const std::string& key, const std::string& value) {
        PutIni(Paths().settingsFile, section, key, value);
    }
    std::string stored(const std::string& section, const std::string& key) {
        return GETINI(Paths().settingsFile, section, key, "absent");
    }
    std::string settingsBytes() const { return data.read("QMK.ini"); }

    void openPlanner() {
        ShowPlanner("");
        eztest::Settle();
    }
    // Ends the run: every form gone, the program-wide state as at start, the data folder kept.
    void closeAll() {
        eztest::Reset();
        Plan() = PlanState{};
        Prefs() = Preferences{};
        install();
    }
    // A new start over the same data folder.
    void restart() {
        closeAll();
        openPlanner();
    }

    // Opens the dialog from the planner's menu, or its toolbar, and runs `steps` inside it. A dialog
    // that the steps leave open is closed without saving, so that the test goes on; `leftOpen`
    // tells.
    enum class From { Menu, Toolbar };
    void inDialog(std::function<void()> steps, From from = From::Menu) {
        leftOpen = false;
        eztest::OnModal(po::kForm, [this, steps] {
            steps();
            if (!eztest::FormExists(po::kForm)) return;
            leftOpen = true;
            EZ_DISABLEC(po::kForm, po::kSave);
            EZ_UNLOADFORM(po::kForm);
        });
        if (from == From::Menu)
            eztest::ClickMenu(qm::kForm, qm::kMenuOptions);
        else
            eztest::ClickToolbar(qm::kForm, qm::kOptionsButton);
    }

    // Answers the next message dialog with its button `button` (1 Yes, 2 No, 3 Cancel), or with
    // Escape for 0.
    void answer(int32_t button) {
        ++answers;
        eztest::OnModal(kMessageDialogForm, [this, button] {
            --answers;
            questions.push_back(EZ_GETTEXT(kMessageDialogForm, kText1Id));
            titles.push_back(EZ_GETTEXT(kMessageDialogForm, 0));
            if (button == 0)
                eztest::Key(kMessageDialogForm, EZ_GETFOCUSID(), Qt::Key_Escape);
            else
                eztest::Click(kMessageDialogForm, ButtonId(button));
        });
    }

    static std::string text(const std::string& form, int32_t id) { return EZ_GETTEXT(form, id); }
    static std::string field(int32_t id) { return EZ_GETTEXT(po::kForm, id); }
    static bool ticked(int32_t id) { return EZ_GETCHECK(po::kForm, id) != 0; }
    static bool saveEnabled() { return EZ_ISCONTROL(po::kForm, po::kSave, "E") != 0; }
    static bool dialogOpen() { return eztest::FormExists(po::kForm); }
    // Replaces a field's text as a user does (select all, type), then leaves it with Tab.
    static void enter(const std::string& form, int32_t id, const std::string& s) {
        eztest::Focus(form, id, Qt::TabFocusReason);
        EZ_SETTEXT(form, id, "");
        eztest::Type(form, id, s);
        eztest::Tab();
    }
};
