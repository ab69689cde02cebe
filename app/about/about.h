// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About dialog, form "AB": the program information page and the program history page
// (History.rtf from the assets folder), on two layers of one frame, with a button that switches
// between them and a Close button.
#include <cstdint>
#include <string>

// The pages, which are also the toolkit layers that carry them.
constexpr int32_t kAboutInfoPage = 1;
constexpr int32_t kAboutHistoryPage = 2;

// The dialog's program-wide state.
struct AboutState {
    std::string assetsFolder;             // holds History.rtf
    std::string version;                  // the program's version text, "3.0.0.0"
    int32_t currentPage = kAboutInfoPage; // the page shown
};
AboutState& About();

// Set once at start-up: the assets folder and the version text.
void SetAboutSources(const std::string& assetsFolder, const std::string& version);

// Creates the modal form "AB" over the parent form; returns when it is closed.
void ShowAbout(const std::string& parent);
// The design callback's work for "AB": the controls on their layers, the information page shown.
void DesignAbout();
// The event routine of "AB".
void AboutEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
// Fills the texts and loads the history; run when the form has loaded.
void InitAbout();
// Loads History.rtf into the history view; a missing or unreadable file leaves it empty.
void LoadHistory();
