// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fetching the version file: one HTTP GET through Qt Network. A local event loop runs while it
// waits, so the windows keep repainting. Certificates are checked for an https address.
#include <string>
#include <string_view>

inline constexpr int kVersionFetchLimitMs = 5000;
// A version file is a few short lines; anything larger is not one.
inline constexpr long long kVersionFileLimit = 64 * 1024;
// A file of PEM certificates trusted instead of the system's, for tests with a throwaway certificate.
inline constexpr const char* kTestCaVariable = "QUILLMARK_TEST_CA_FILE";

struct VersionFetch {
    std::string text;      // the response body as received, whatever the HTTP status
    bool failed = false;   // the request could not be made or no response came (a manual check says so)
    bool timedOut = false; // no complete response within the limit: text empty, nothing is shown
    bool secure = false;   // the text came over https with the certificate checked
    int errorNumber = 0;   // when failed: Qt's network error number ...
    std::string errorText; // ... and its text, code page 1252
};

// Needs a QCoreApplication; without one the fetch gives an empty text and no failure. A body cut
// short (fewer bytes than announced, a broken connection) or larger than kVersionFileLimit is a
// failed fetch, never a text.
VersionFetch FetchVersionText(std::string_view address);
