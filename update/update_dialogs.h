// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions and notices of the update check, shown through the message dialog.
#include "update/download_callbacks.h"
#include "update/fetch_version_text.h"
#include "update/update_address.h"

#include <string>
#include <string_view>

// "New Version Available": true when the user chose Yes.
bool AskToDownload(const std::string& parent, const std::string& latestVersion);

// "You Are Up To Date!" (a check from the menu only).
void TellUpToDate(const std::string& parent, const std::string& currentVersion);

// "Unable to Complete Update Check" after a failed fetch of the version file: a question that offers
// the product page, or a plain notice when no page address is given.
void TellCheckFailed(const VersionFetch& fetch, std::string_view productPage = kProductPageAddress);

// A notice or question of the download, over its parent form or the current form.
void ShowDownloadNotice(const DownloadNotice& notice);

// The installer arrived but the settings file could not record it, so the update cannot go on.
void TellUpdateNotRecorded();

// The runtime's text for one of Qt Network's error numbers ("Unknown error" when it is none).
std::string NetworkErrorText(int errorNumber);
