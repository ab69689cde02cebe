// SPDX-License-Identifier: GPL-3.0-or-later
// The download window "ZD": a progress bar that the download moves and a Cancel button. Cancel, the
// close box and Escape ask the download to stop after its current block; the window stays until the
// download has stopped, and the check unloads it.
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
#include "update/update_run_state.h"
#include "update/update_session.h"
#include "update/update_windows.h"

namespace {

constexpr int32_t kFormFont = 6;

void RequestCancel() {
    TheUpdateSession().abortRequested = true;
    EZ_SETTEXT(kDownloadForm, kDownloadLabel, "Cancelling the download...");
    EZ_DISABLEC(kDownloadForm, kDownloadCancel);
}

} // namespace

void ShowDownloadWindow(const std::string& parent) {
    EZ_COLOR(-1, -1);
    EZ_FORM(kDownloadForm, parent, "Updating...", 0, 0, 41.5F, 6.875F, "C");
}

void DesignDownloadWindow() {
    EZ_COLOR(-1, -1);
    EZ_USEFONT(kFormFont);
    EZ_LABEL(kDownloadLabel, 2, 0.75F, 37.5F, 1, "Downloading the program update...", "L");
    EZ_PROGRESSBAR(kDownloadProgress, 2, 2.125F, 37.5F, 1.25F, "");
    EZ_BUTTON(kDownloadCancel, 16.75F, 4.375F, 8, 1.625F, "&Cancel", "T");
    EzSetAccessibleName(kDownloadForm, kDownloadProgress, "Download progress");
    EzSetAccessibleName(kDownloadForm, kDownloadCancel, "Cancel");
    EZ_SETPBAR(kDownloadForm, kDownloadProgress, 0, 0, 0);
}

void DownloadWindowEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    if (message == kEzKey) {
        if (value == kEzKeyEscape) {
            value = 0;
            RequestCancel();
        }
        return;
    }
    if (id == kDownloadCancel && message == kEzClick) {
        RequestCancel();
    } else if (id == 0 && message == kEzClose && UpdateWindows().downloading) {
        RequestCancel();
        cancel = 1;
    }
}
