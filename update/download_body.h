#pragma once
// Reading a response body into the local file in blocks: chunked, of a known length, or until the
// server closes the connection.
#include "update/blocking_connection.h"
#include "update/download_callbacks.h"
#include "update/http_response_header.h"

#include <cstdint>

class QSaveFile;

inline constexpr std::int64_t kDownloadBlockSize = 32768;

struct BodyResult {
    bool complete = false;
    bool aborted = false; // the user cancelled; no notice is due
    int errorNumber = 0;  // why the body is incomplete otherwise (DownloadErrorNumber)
};

BodyResult ReadBody(BlockingConnection& connection, QSaveFile& file, const ResponseHeader& header,
                    const DownloadCallbacks& callbacks);
