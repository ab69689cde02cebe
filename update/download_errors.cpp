// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/download_errors.h"

#include "update/server_text.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<int, std::string_view>, 11> kCatalogue = {{
    {kDownloadErrorRefused, "The web host refused the connection"},
    {kDownloadErrorConnect, "The connection to the web host could not be made"},
    {kDownloadErrorTimedOut, "The web host did not answer in time"},
    {kDownloadErrorEndedEarly, "The connection closed before the file was complete"},
    {kDownloadErrorMalformed, "The web host sent a reply that cannot be read"},
    {kDownloadErrorWrite, "The downloaded file could not be written"},
    {kDownloadErrorFileName, "The update names a file that is not an installer of this program"},
    {kDownloadErrorAddress, "The address of the update file is not valid"},
    {kDownloadErrorTooLong, "The download took longer than an update may take"},
    {kDownloadErrorTooLarge, "The file is larger than an update may be"},
    {kDownloadErrorDigest, "The downloaded file is not the update that was published"},
}};
} // namespace

std::string DownloadErrorText(int errorNumber) {
    for (const auto& [number, text] : kCatalogue)
        if (number == errorNumber) return std::string(text);
    return "Unknown error";
}

DownloadNotice DownloadErrorNotice(int errorNumber) {
    return {"Download Error", "The file request has generated an error:{f6}",
            DownloadErrorText(errorNumber) + " (Error " + std::to_string(errorNumber) + "){f10}", "", ""};
}

void ReportDownloadError(const DownloadCallbacks& callbacks, int errorNumber) {
    ShowNotice(callbacks, DownloadErrorNotice(errorNumber));
}

DownloadNotice UnreachableHostNotice(std::string_view host) {
    return {"Download Error",
            "Unable to find web host \"" + AsPlainDialogText(host, kShownHostLimit) + "\".{f10,t4}",
            "The update is unable to continue.{f7}", "&OK{G,f7}", "ZD"};
}

DownloadNotice ErrorStatusNotice(std::string_view status) {
    return {"Download Error",
            "Unable to access update file, response = " + AsPlainDialogText(status, kShownStatusLimit) +
                ".{f10}",
            "", "", ""};
}
