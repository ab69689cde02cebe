// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real planner window on the offscreen platform, over a data folder of its own whose
// settings file remembers a filled plan: "Florists" from November 2018, $12,000 at $50 an ad,
// Opportunity 10, Base 65, Events 25.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "plan/plan_state.h"
#include "prefs/options.h"
#include "report/page_layer.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <string>
#include <utility>

// The day number of 5 November 2018.
inline constexpr const char* kNovember5th2018 = "2458428";

class PlannerPrintFixture : public ::testing::Test {
  protected:
    TempFolder data;

    void SetUp() override {
        qputenv("QUILLMARK_HOME", QByteArray::fromStdString(data.path().string()));
        ComputePaths(QCoreApplication::applicationDirPath().toStdString());
        eztest::Install(EventDispatch, DesignDispatch);
        const std::pair<const char*, const char*> plan[] = {
            {"Client", "Bloom & Petal"}, {"Station", "WQMK 101.5"},
            {"Salesrep", "Pat Ortega"},  {"PresentDate", kNovember5th2018},
            {"StartMonth", "November"},  {"Year", kNovember5th2018},
            {"Budget", "12000.00"},      {"Rate", "50.00"},
            {"Profile", "Florists"},     {"Opportunity", "10"},
            {"MaxValue", "90"},          {"CurrValue", "65"},
        };
        for (const auto& [key, value] : plan)
            setting("Info", key, value);
        setting("Options", "RememberClient", "1");
    }

    void TearDown() override {
        eztest::Reset();
        SetPageSink({});
        Plan() = PlanState{};
        Prefs() = Preferences{};
        qunsetenv("QUILLMARK_HOME");
    }

    void setting(const std::string& section, const std::string& key, const std::string& value) {
        PutIni(Paths().settingsFile, section, key, value);
    }

    static void open() {
        ShowPlanner("");
        eztest::Settle();
    }

    // Replaces a field's text as a user does, then leaves it with Tab.
    static void enter(int32_t id, const std::string& text) {
        eztest::Focus(qm::kForm, id, Qt::TabFocusReason);
        EZ_SETTEXT(qm::kForm, id, "");
        eztest::Type(qm::kForm, id, text);
        eztest::Tab();
    }
};
