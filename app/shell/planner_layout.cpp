// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/planner_layout.h"

namespace qm {
namespace {

constexpr ControlKind L = ControlKind::Label, T = ControlKind::Text, D = ControlKind::Date,
                      C = ControlKind::Combo, S = ControlKind::Slider, F = ControlKind::Frame;

constexpr const char* kMonths =
    "January|February|March|April|May|June|July|August|September|October|November|December";

// id, kind, text, column, row, width, height, properties, autosize, subclassed, tooltips, name
constexpr ControlDesign kControls[] = {
    {100, L, "Name:", 5.5F, 3.6875F, 4.875F, 0.9375F, "", true, false, false, ""},
    {105, L, "Station:", 4.75F, 4.9375F, 5.625F, 0.9375F, "C", true, false, false, ""},
    {110, L, "Salesrep:", 3.625F, 6.1875F, 6.75F, 0.9375F, "C", true, false, false, ""},
    {115, L, "Date:", 6.25F, 7.625F, 4.125F, 0.9375F, "C", true, false, false, ""},
    {120, L, "Start Month:", 2.125F, 9.125F, 8.25F, 0.9375F, "C", true, false, false, ""},
    {125, L, "Year:", 6.625F, 10.4375F, 3.75F, 0.9375F, "C", true, false, false, ""},
    {130, L, "Budget:", 4.75F, 11.875F, 5.625F, 0.9375F, "C", true, false, false, ""},
    {135, L, "Avg Rate:", 3.625F, 13.125F, 6.75F, 0.9375F, "C", true, false, false, ""},
    {140, L, "Jan:", 36.875F, 4.375F, 3.375F, 0.9375F, "", true, false, false, ""},
    {145, L, "Feb:", 36.5F, 5.625F, 3.75F, 0.9375F, "", true, false, false, ""},
    {150, L, "Mar:", 36.5F, 6.8125F, 3.75F, 0.9375F, "", true, false, false, ""},
    {155, L, "Apr:", 45.875F, 4.375F, 3.375F, 0.9375F, "", true, false, false, ""},
    {160, L, "May:", 45.875F, 5.625F, 3.375F, 0.9375F, "", true, false, false, ""},
    {165, L, "Jun:", 45.875F, 6.8125F, 3.375F, 0.9375F, "", true, false, false, ""},
    {170, L, "Jul:", 55.625F, 4.375F, 3.0F, 0.9375F, "", true, false, false, ""},
    {175, L, "Aug:", 55.25F, 5.625F, 3.375F, 0.9375F, "", true, false, false, ""},
    {180, L, "Sep:", 55.25F, 6.8125F, 3.375F, 0.9375F, "", true, false, false, ""},
    {185, L, "Oct:", 64.25F, 4.375F, 3.375F, 0.9375F, "", true, false, false, ""},
    {190, L, "Nov:", 64.25F, 5.625F, 3.375F, 0.9375F, "", true, false, false, ""},
    {195, L, "Dec:", 63.875F, 6.8125F, 3.75F, 0.9375F, "", false, false, false, ""},
    {200, L, "Total:", 51.125F, 8.3125F, 4.125F, 0.9375F, "C", true, false, false, ""},
    {205, L, "Base", 36.125F, 11.625F, 4.125F, 0.9375F, "C", true, false, false, ""},
    {210, L, "Events", 60.625F, 11.6875F, 4.875F, 0.9375F, "C", false, false, false, ""},
    {215, L, "Opportunity", 66.125F, 11.6875F, 8.0F, 0.9375F, "C", true, false, false, ""},
    {220, L, "0.0", 56.0F, 8.3125F, 4.125F, 0.9375F, "C", true, false, false, "Total"},
    {225, T, "", 11.25F, 3.625F, 21.0F, 1.125F, "EST", false, true, false, "Name"},
    {230, T, "", 11.25F, 4.875F, 9.75F, 1.125F, "ESTU", false, true, false, "Station"},
    {235, T, "", 11.25F, 6.125F, 15.375F, 1.125F, "EST", false, true, false, "Salesrep"},
    {240, D, "T{MM/DD/YYYY}", 11.25F, 7.375F, 10.875F, 1.375F, "", true, false, false, "Date"},
    {245, C, kMonths, 11.25F, 8.875F, 10.875F, 15.75F, "TV", true, false, false, "Start Month"},
    {250, D, "TU{YYYY}", 11.25F, 10.3125F, 6.5F, 1.375F, "", true, false, false, "Year"},
    {255, T, "", 11.25F, 11.8125F, 12.75F, 1.125F, "EST", false, true, false, "Budget"},
    {260, T, "", 11.25F, 13.0625F, 9.375F, 1.125F, "EST", false, true, false, "Avg Rate"},
    {265, C, "", 49.25F, 2.25F, 22.125F, 13.75F, "JTV", false, false, false, "Business Profile"},
    {270, T, "", 40.5F, 4.25F, 4.5F, 1.125F, "EST", false, true, false, "Jan"},
    {275, T, "", 40.5F, 5.4375F, 4.5F, 1.125F, "EST", false, true, false, "Feb"},
    {280, T, "", 40.5F, 6.625F, 4.5F, 1.125F, "EST", false, true, false, "Mar"},
    {285, T, "", 49.625F, 4.25F, 4.5F, 1.125F, "EST", false, true, false, "Apr"},
    {290, T, "", 49.625F, 5.4375F, 4.5F, 1.125F, "EST", false, true, false, "May"},
    {295, T, "", 49.625F, 6.625F, 4.5F, 1.125F, "EST", false, true, false, "Jun"},
    {300, T, "", 59.0F, 4.25F, 4.5F, 1.125F, "EST", false, true, false, "Jul"},
    {305, T, "", 59.0F, 5.4375F, 4.5F, 1.125F, "EST", false, true, false, "Aug"},
    {310, T, "", 59.0F, 6.625F, 4.5F, 1.125F, "EST", false, true, false, "Sep"},
    {315, T, "", 68.0F, 4.25F, 4.5F, 1.125F, "EST", false, true, false, "Oct"},
    {320, T, "", 68.0F, 5.4375F, 4.5F, 1.125F, "EST", false, true, false, "Nov"},
    {325, T, "", 68.0F, 6.625F, 4.5F, 1.125F, "EST", false, true, false, "Dec"},
    {330, T, "50", 36.0F, 12.8125F, 4.5F, 1.125F, "ENST", false, true, true, "Base"},
    {335, S, "", 40.5F, 12.625F, 20.375F, 1.125F, "=U", false, true, true, "Base/Events split"},
    {340, T, "40", 60.875F, 12.8125F, 4.5F, 1.125F, "NS", true, true, false, "Events"},
    {345, T, "10", 68.0F, 12.8125F, 4.5F, 1.125F, "ENST", false, true, true, "Opportunity"},
    {350, F, "Business Profile", 35.0F, 2.5F, 39.75F, 7.125F, "", true, false, false, ""},
    {355, F, "Client Information", 1.5F, 2.5F, 32.0F, 12.25F, "", true, false, false, ""},
    {360, F, "Budget Allocation", 35.0F, 10.25F, 39.75F, 4.5F, "", true, false, false, ""},
};

constexpr MenuDesign kMenus[] = {
    {9000, "&Plan", 0},
    {9135, "&New Plan\tCtrl+N", 1},
    {9140, "Open P&lan...\tCtrl+O", 1},
    {9145, "&Save Plan\tCtrl+S", 1},
    {9150, "Save Plan &As...\tCtrl+Shift+S", 1},
    {9155, "&Recent Plans", 1},
    {9160, "-", 1},
    {9005, "&Print", 1},
    {9010, "&Edit", 1},
    {9015, "&Clear", 1},
    {9020, "-", 1},
    {9025, "&Options", 1},
    // The station's details and the plan's hand-offs.
    {9185, "Stat&ion && Contact...", 1},
    {9190, "Expor&t Monthly Table...", 1},
    {9195, "Send Proposal by E-&mail...", 1},
    {9030, "-", 1},
    {9035, "E&xit", 1},
    {9100, "&Help", 0},
    {9105, "&Help Contents", 2},
    {9110, "-", 2},
    {9115, "Rebuild &Business Profiles", 2},
    {9120, "Check for Program &Update", 2},
    {9125, "-", 2},
    {9130, "&About...", 2},
};

} // namespace

std::span<const ControlDesign> PlannerControls() {
    return kControls;
}
std::span<const MenuDesign> PlannerMenus() {
    return kMenus;
}

} // namespace qm
