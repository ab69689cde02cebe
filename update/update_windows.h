// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The update check's two windows: the download window "ZD" (modeless, a progress bar and a Cancel
// button) and the update information window "WN" (modal, the program's history). Their design and
// event routines are declared in app/shell/forms.h.
#include <cstdint>
#include <string>

inline constexpr const char* kDownloadForm = "ZD";
inline constexpr int32_t kDownloadProgress = 100;
inline constexpr int32_t kDownloadCancel = 105;
inline constexpr int32_t kDownloadLabel = 110;

inline constexpr const char* kWhatsNewForm = "WN";
inline constexpr int32_t kWhatsNewHistory = 100;
inline constexpr int32_t kWhatsNewClose = 105;

// Opens "ZD" over the parent form and returns at once.
void ShowDownloadWindow(const std::string& parent);

// Opens "WN" over the parent form and returns when it is closed.
void ShowUpdateInformation(const std::string& parent);
