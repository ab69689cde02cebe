// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/window_download.h"

#include "app/toolkit/ez.h"
#include "update/update_dialogs.h"
#include "update/update_session.h"
#include "update/update_windows.h"

#include <algorithm>
#include <limits>

ProgressBarSetting FitProgressBar(std::int64_t maximum, std::int64_t value) {
    constexpr std::int64_t kLimit = std::numeric_limits<int32_t>::max();
    maximum = std::max<std::int64_t>(maximum, 0);
    value = std::clamp<std::int64_t>(value, 0, maximum);
    const std::int64_t divisor = std::max<std::int64_t>(1, (maximum + kLimit - 1) / kLimit);
    return {static_cast<int32_t>(maximum / divisor), static_cast<int32_t>(value / divisor)};
}

DownloadCallbacks WindowDownloadCallbacks() {
    DownloadCallbacks callbacks;
    callbacks.setProgress = [](std::int64_t maximum, std::int64_t value) {
        const ProgressBarSetting bar = FitProgressBar(maximum, value);
        EZ_SETPBAR(kDownloadForm, kDownloadProgress, 0, bar.maximum, bar.value);
    };
    callbacks.pumpEvents = [](int mode) { EZ_DOEVENTS(mode); };
    callbacks.abortRequested = [] { return TheUpdateSession().abortRequested; };
    callbacks.showNotice = ShowDownloadNotice;
    return callbacks;
}
