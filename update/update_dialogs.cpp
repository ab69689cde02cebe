// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_dialogs.h"

#include "app/shell/app_paths.h"
#include "msgbox/message_dialog.h"
#include "update/server_text.h"
#include "update/update_address.h"
#include "update/web_page.h"

#include <array>

namespace {

constexpr const char* kCentred = "C";

int32_t Ask(const std::string& parent, const std::string& title, const std::string& text1,
            const std::string& text2, const std::string& buttons) {
    return MarkupMessageBox(parent, title, text1, text2, "", buttons, "", 1, kCentred);
}

// Qt Network numbers its errors in ranges of a hundred, one range for each kind of failure.
struct ErrorRange {
    int first, last;
    const char* text;
};
constexpr std::array<ErrorRange, 5> kNetworkErrorRanges{{
    {1, 99, "Network connection error"},
    {101, 199, "Proxy server error"},
    {201, 299, "Content access error"},
    {301, 399, "Protocol error"},
    {401, 499, "Web server error"},
}};

} // namespace

// Qt's texts for a failed request may quote the address or the server's words.
constexpr std::size_t kShownErrorLimit = 200;

bool AskToDownload(const std::string& parent, const std::string& latestVersion) {
    const std::string text1 = "Version " + AsPlainDialogText(latestVersion, kShownVersionLimit) + " of " +
                              kProgramName + " is available.{f10}";
    return Ask(parent, "New Version Available", text1, "Would you like to download it now?{f6}",
               "*{G,f7}|&Yes|&No, Maybe Later") == 1;
}

void TellUpToDate(const std::string& parent, const std::string& currentVersion) {
    const std::string text1 =
        "Version " + currentVersion + " of " + kProgramName + " is the latest version available.{f10}";
    Ask(parent, "You Are Up To Date!", text1, "Thank you for checking!{f6}", "&OK{G,f7}");
}

std::string NetworkErrorText(int errorNumber) {
    for (const ErrorRange& range : kNetworkErrorRanges)
        if (errorNumber >= range.first && errorNumber <= range.last) return range.text;
    return "Unknown error";
}

void TellCheckFailed(const VersionFetch& fetch, std::string_view productPage) {
    const std::string errorText = AsPlainDialogText(fetch.errorText, kShownErrorLimit);
    const std::string text1 = NetworkErrorText(fetch.errorNumber) + " (Error " +
                              std::to_string(fetch.errorNumber) +
                              ") has occurred accessing Windows services.{f10}";
    if (productPage.empty()) {
        ShowNotice("Unable to Complete Update Check", text1,
                   errorText + "|Unable to determine if a program update is available at this time.{f6}");
        return;
    }
    const std::string text2 =
        errorText + "|You can visit our web site to download the latest version of " + kProgramName + ".{f6}";
    const int32_t answer = ASKUSER("Unable to Complete Update Check", text1, text2, "",
                                   "*{G,f7}|&Visit Web Site|&No, Thanks, I'm Good", 1);
    if (answer == 1) OpenWebPage(productPage);
}

void ShowDownloadNotice(const DownloadNotice& notice) {
    if (notice.buttons.empty()) {
        ShowNotice(notice.title, notice.text1, notice.text2);
        return;
    }
    Ask(notice.parentForm, notice.title, notice.text1, notice.text2, notice.buttons);
}

void TellUpdateNotRecorded() {
    ShowNotice("Download Error", "The update was downloaded, but the settings file could not record it.{f10}",
               "The update is unable to continue.{f7}");
}
