// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control ids of the planner window "QM".
#include <cstdint>

namespace qm {
constexpr const char* kForm = "QM";
constexpr int32_t kTotal = 220;
constexpr int32_t kClient = 225, kStation = 230, kSalesrep = 235, kDate = 240, kStartMonth = 245, kYear = 250;
constexpr int32_t kBudget = 255, kRate = 260, kProfile = 265;
constexpr int32_t kFirstMonth = 270, kLastMonth = 325; // month m (1..12) is kProfile + 5 * m
constexpr int32_t kBase = 330, kSlider = 335, kEvents = 340, kOpportunity = 345;
constexpr int32_t kToolbar = 50, kPrintButton = 51, kEditButton = 52, kClearButton = 53, kOptionsButton = 54,
                  kHelpButton = 55, kExitButton = 56;
constexpr int32_t kStatusBar = 370;
constexpr int32_t kHelpCommand = 911;

// Menu items
constexpr int32_t kMenuPlan = 9000, kMenuPrint = 9005, kMenuEdit = 9010, kMenuClear = 9015,
                  kMenuOptions = 9025, kMenuExit = 9035, kMenuHelp = 9100, kMenuHelpContents = 9105,
                  kMenuRebuild = 9115, kMenuUpdate = 9120, kMenuAbout = 9130;
// The plan file commands, at the top of "&Plan"; the recent plans are a drop-down of their own
// (menu 3) holding a placeholder and ten items, shown as the list fills.
constexpr int32_t kMenuNewPlan = 9135, kMenuOpenPlan = 9140, kMenuSavePlan = 9145, kMenuSavePlanAs = 9150,
                  kMenuRecentPlans = 9155, kMenuNoRecentPlans = 9165, kMenuFirstRecentPlan = 9170,
                  kMenuLastRecentPlan = 9179;

// The station's details and the plan's hand-offs.
constexpr int32_t kMenuStation = 9185, kMenuExportTable = 9190, kMenuSendByEmail = 9195;

constexpr int32_t MonthField(int month) {
    return kProfile + 5 * month;
}
} // namespace qm
