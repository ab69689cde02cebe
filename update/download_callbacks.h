// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the download needs from the windows: the progress bar of the download window, the event pump,
// the user's cancel request and the message dialog. Every member may be left empty.
#include <cstdint>
#include <functional>
#include <string>

// A message for the user, shown through the message dialog. Without buttons it is a plain notice
// with one OK button over the current form; otherwise a dialog with these buttons (default 1)
// over `parentForm`.
struct DownloadNotice {
    std::string title;
    std::string text1;
    std::string text2;
    std::string buttons;
    std::string parentForm;
};

struct DownloadCallbacks {
    // Range 0..maximum and position of the progress bar (maximum 0 while the length is unknown).
    std::function<void(std::int64_t maximum, std::int64_t value)> setProgress;
    // Lets the window system process pending events; the number is the pump's mode (10, 20 or 25).
    std::function<void(int mode)> pumpEvents;
    // True once the user has asked to cancel; tested after every block.
    std::function<bool()> abortRequested;
    std::function<void(const DownloadNotice&)> showNotice;
};

// Safe calls of the optional members.
inline void SetProgress(const DownloadCallbacks& c, std::int64_t maximum, std::int64_t value) {
    if (c.setProgress) c.setProgress(maximum, value);
}
inline void PumpEvents(const DownloadCallbacks& c, int mode) {
    if (c.pumpEvents) c.pumpEvents(mode);
}
inline bool AbortRequested(const DownloadCallbacks& c) {
    return c.abortRequested && c.abortRequested();
}
inline void ShowNotice(const DownloadCallbacks& c, const DownloadNotice& notice) {
    if (c.showNotice) c.showNotice(notice);
}
