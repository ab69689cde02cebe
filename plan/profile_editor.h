// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Business Profile editor "UF": a small modal dialog over the planner window that updates the
// selected profile with the percentages shown on the planner, saves them as a new profile, or
// deletes the selected profile. It keeps no state of its own: on OK it reads the planner's profile
// list, its month fields and ProfileIndex, changes the store, saves Categories.dat and refills and
// reselects the planner's list.
//
// Choices:
// - A name may hold any character the name box takes, double quotes and commas included:
//   Categories.dat writes a quote inside a name twice and reads it back as one, so the name
//   comes back unchanged. Names are unique ignoring letter case (code page 1252 rules).
// - Row 0 ("None") is never updated or deleted, even when a hand-edited file renamed it.
// - A save that fails has been told to the user (SavePlannerProfiles); the store is then put
//   back as it was, so that it still matches the file, and the dialog stays open.
//
// ShowProfileEditor (app/shell/commands.h) opens it; DesignProfileEditor and ProfileEditorEvents
// (app/shell/forms.h) are its design and event routines.
#include <cstdint>

inline constexpr const char* kProfileEditorForm = "UF";

// Control ids of the editor.
namespace editor {
constexpr int32_t kNameLabel = 100;    // the selected profile's name
constexpr int32_t kUpdateRadio = 105;  // "Update existing profile"
constexpr int32_t kSaveNewRadio = 110; // "Save as new profile"
constexpr int32_t kNameBox = 115;      // the new profile's name
constexpr int32_t kNoteLabel = 120;    // "NOTE: This action cannot be reversed."
constexpr int32_t kDeleteRadio = 125;  // "Delete this profile"
constexpr int32_t kOkButton = 130;
constexpr int32_t kCancelButton = 135;
constexpr int32_t kHelpButton = 140;
constexpr int32_t kHelpCommand = 911; // raised by F1
constexpr int32_t kHelpTopic = 105;   // the editor's help page
} // namespace editor

// Runs on the form's loaded event: with "None" selected on the planner only Save as new can be
// used and OK waits for a name; otherwise the name is shown and Update is chosen.
void InitProfileEditor();

// Carries out the chosen action: 1 when it was done (the dialog closes), 0 when it was refused,
// declined or could not be saved (the dialog stays open, the store as it was).
int32_t ApplyProfileEdit();
