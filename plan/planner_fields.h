// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner window's plan fields while the user works: the budget ratios and the slider, the
// profile's months and their total, and the common behaviour of every field.
#include <cstdint>
#include <string>

// Every event of a plan field of the planner window (the client, money, month and ratio fields,
// the date pickers, the start month and profile lists and the slider).
void PlannerFieldEvents(int32_t id, int32_t message, int32_t& value, int32_t& cancel);
// On the edit notification: with the field's selection option on, the caret goes after the
// selection and nothing stays selected; otherwise the selection is kept.
void ApplyEditSelection(int32_t id, int32_t editHandle);
// The caret after the last character of the control's text.
void SETSEL(const std::string& form, int32_t id);

void ShowRatios();
void ResetRatiosToDefault();
void ShowProfileMonths();
void RecalcProfileTotal();

// The plan part of the planner window's initialisation: profiles loaded and listed, the last
// client or the default ratios, the months, the command states, the slider and ratio fields.
void InitPlannerPlan(const std::string& settingsFile, const std::string& dataFolder);
