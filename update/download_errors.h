// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The error numbers of a download, their texts, and the notices that tell the user.
#include "update/download_callbacks.h"

#include <string>
#include <string_view>

enum DownloadErrorNumber : int {
    kDownloadErrorRefused = 1,    // the host refused the connection
    kDownloadErrorConnect = 2,    // the connection could not be made for another reason
    kDownloadErrorTimedOut = 3,   // the host did not answer within the time limit
    kDownloadErrorEndedEarly = 4, // the connection closed before the file was complete
    kDownloadErrorMalformed = 5,  // the reply is not readable HTTP (header, chunk line)
    kDownloadErrorWrite = 6,      // the local file could not be written
    kDownloadErrorFileName = 7,   // the version file names no plain file name
    kDownloadErrorAddress = 8,    // host or path hold control characters
    kDownloadErrorTooLong = 9,    // the download did not finish within its overall time limit
    kDownloadErrorTooLarge = 10,  // the file is larger than an installer may be
    kDownloadErrorDigest = 11,    // the file differs from the digest that the version file names
};

// The text for an error number ("Unknown error" for a number not in the catalogue).
std::string DownloadErrorText(int errorNumber);

// "Download Error": "The file request has generated an error:" and the error's text and number.
DownloadNotice DownloadErrorNotice(int errorNumber);
void ReportDownloadError(const DownloadCallbacks& callbacks, int errorNumber);

// "Download Error" over the download window when the host cannot be found.
DownloadNotice UnreachableHostNotice(std::string_view host);

// "Download Error" for an answer other than 200.
DownloadNotice ErrorStatusNotice(std::string_view status);
