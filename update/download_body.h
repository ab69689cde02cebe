// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a response body into the local file in blocks: chunked, of a known length, or until the
// server closes the connection. The body's SHA-256 digest is taken as it arrives.
#include "update/blocking_connection.h"
#include "update/download_callbacks.h"
#include "update/http_response_header.h"

#include <cstdint>

class AtomicFileWriter;
class QCryptographicHash;

inline constexpr std::int64_t kDownloadBlockSize = 32768;

struct BodyResult {
    bool complete = false;
    bool aborted = false; // the user cancelled; no notice is due
    int errorNumber = 0;  // why the body is incomplete otherwise (DownloadErrorNumber)
};

// Error number for a receive that did not give data (0 for Stopped: a cancel is not an error).
int ErrorNumberOf(ReceiveOutcome outcome);

// `maxBytes`: a body larger than this is refused (kDownloadErrorTooLarge).
BodyResult ReadBody(BlockingConnection& connection, AtomicFileWriter& file, QCryptographicHash& digest,
                    const ResponseHeader& header, std::int64_t maxBytes, const DownloadCallbacks& callbacks);
