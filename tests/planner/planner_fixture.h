// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real planner window on the offscreen platform, over a data folder of its own.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "plan/plan_state.h"
#include "plan/planner_profiles.h"
#include "prefs/options.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

class PlannerFixture : public ::testing::Test {
  protected:
    TempFolder data;

    void SetUp() override {
        qputenv("QUILLMARK_HOME", QByteArray::fromStdString(data.path().string()));
        ComputePaths(QCoreApplication::applicationDirPath().toStdString());
        eztest::Install(EventDispatch, DesignDispatch);
    }

    void TearDown() override {
        eztest::Reset();
        Plan() = PlanState{};
        Prefs() = Preferences{};
        PlannerShell().helpContext = 0;
        qunsetenv("QUILLMARK_HOME");
    }

    // Writes a settings value before the planner opens.
    void setting(const std::string& section, const std::string& key, const std::string& value) {
        PutIni(Paths().settingsFile, section, key, value);
    }

    void open() {
        ShowPlanner("");
        eztest::Settle();
    }

    static std::string text(int32_t id) { return EZ_GETTEXT(qm::kForm, id); }
    static void type(int32_t id, const std::string& s) { eztest::Type(qm::kForm, id, s); }
    // Replaces a field's text as a user does (select all, type), then leaves it with Tab.
    static void enter(int32_t id, const std::string& s) {
        eztest::Focus(qm::kForm, id, Qt::TabFocusReason);
        EZ_SETTEXT(qm::kForm, id, "");
        type(id, s);
        eztest::Tab();
    }
    static bool printEnabled() {
        return eztest::MenuEnabled(qm::kForm, qm::kMenuPrint) &&
               eztest::ToolbarEnabled(qm::kForm, qm::kPrintButton);
    }
    static bool editEnabled() {
        return eztest::MenuEnabled(qm::kForm, qm::kMenuEdit) &&
               eztest::ToolbarEnabled(qm::kForm, qm::kEditButton);
    }
    static bool clearEnabled() {
        return eztest::MenuEnabled(qm::kForm, qm::kMenuClear) &&
               eztest::ToolbarEnabled(qm::kForm, qm::kClearButton);
    }
    static void chooseProfile(const std::string& name) {
        const int32_t index = EZ_FINDNEXT(qm::kForm, qm::kProfile, name, 0);
        ASSERT_GE(index, 0) << name;
        eztest::ChooseItem(qm::kForm, qm::kProfile, index);
    }
    static void fillClient() {
        enter(qm::kClient, "Rosie's Flowers");
        enter(qm::kStation, "WQMK");
        enter(qm::kSalesrep, "Dana Reyes");
        enter(qm::kBudget, "12000");
    }
};
