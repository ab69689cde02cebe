// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's file dialogs for plans, starting in the "Quillmark Plans" folder of the user's
// documents folder (made when missing). Tests put their own answers in place of the dialogs.
#include <functional>
#include <string>

// A plan file to open; empty when the user cancelled. Paths are program text.
std::string AskPlanToOpen();
// Where to save the plan (with ".qmplan" added when the name has no suffix); empty when cancelled.
std::string AskPlanToSaveAs(const std::string& suggestedName);
// The folder the dialogs start in.
std::string PlansFolder();

using PlanDialog = std::function<std::string(const std::string& startFolder, const std::string& suggested)>;
// Replaces the two dialogs (for tests); empty functions bring the real ones back.
void SetPlanDialogsForTesting(PlanDialog open, PlanDialog saveAs);
