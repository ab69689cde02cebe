#pragma once
// Fetching the version file: one synchronous HTTP GET through Qt Network. A local event loop runs while
// it waits, so the windows keep repainting. Certificates are checked for an https address.
#include <string>
#include <string_view>

inline constexpr int kVersionFetchLimitMs = 5000;

struct VersionFetch {
    std::string text;      // the response body as received, whatever the HTTP status
    bool failed = false;   // the request could not be made or no response came (a manual check says so)
    bool timedOut = false; // no complete response within the limit: text empty, nothing is shown
    int errorNumber = 0;   // when failed: Qt's network error number ...
    std::string errorText; // ... and its text, code page 1252
};

// Needs a QCoreApplication; without one the fetch gives an empty text and no failure.
VersionFetch FetchVersionText(std::string_view address);
