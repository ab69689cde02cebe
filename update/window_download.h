// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the download needs from the windows: the progress bar of "ZD", the toolkit's event pump, the
// flag of the Cancel button and the message dialog.
#include "update/download_callbacks.h"

#include <cstdint>

DownloadCallbacks WindowDownloadCallbacks();

// The progress bar holds 32-bit numbers; a larger file is shown in the same proportion.
struct ProgressBarSetting {
    int32_t maximum = 0;
    int32_t value = 0;
};
ProgressBarSetting FitProgressBar(std::int64_t maximum, std::int64_t value);
