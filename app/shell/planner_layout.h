// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner window's design as data: its menus and its controls in creation (and Tab) order.
#include "app/toolkit/design_table.h"

#include <cstdint>
#include <span>

namespace qm {

using ControlKind = EzControlKind;

struct ControlDesign {
    int32_t id;
    ControlKind kind;
    const char* text; // text, items ("|"-separated) or the date format
    float col, row, width, height;
    const char* props;
    bool autosize;
    bool subclassed;
    bool tooltips;
    const char* accessibleName; // what screen readers call the control
};

struct MenuDesign {
    int32_t id;
    const char* caption;
    int menu; // 0 the bar, 1 "&Plan", 2 "&Help"
};

std::span<const ControlDesign> PlannerControls();
std::span<const MenuDesign> PlannerMenus();

constexpr float kPlannerWidth = 76.25F;
constexpr float kPlannerHeight = 16.75F;
constexpr const char* kToolbarLayout = "BBB B BB|012345";
constexpr const char* kToolbarProps = "!FNORT24X24";

} // namespace qm
