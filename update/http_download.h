// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own HTTP/1.0 client for the installer download, over a TCP connection whose every wait keeps
// the windows painted and honours a cancel (see BlockingConnection).
#include "update/download_callbacks.h"
#include "update/http_request.h"
#include "update/kept_connection.h"

#include <cstdint>

// Bounds the connection's opening and every wait for the next byte.
inline constexpr int kDownloadTimeLimitMs = 10000;
inline constexpr int kDownloadAbandoned = -2;

struct DownloadLimits {
    int idleLimitMs = kDownloadTimeLimitMs;
    int totalLimitMs = 20 * 60 * 1000;             // the whole download, however the server paces it
    std::int64_t maxBytes = std::int64_t{1} << 30; // the largest installer taken
};

// Fetches request.path from request.host into request.localPath. The file is written through
// AtomicFileWriter: it replaces a file of that name only when it is complete and, when
// request.sha256 is given, has that digest; on every failure an existing file stays as it was.
// A local path that exists but is not a regular file (a link, a folder) is refused.
// Returns 0 on success; the HTTP status code when the server answered with another status than 200
// (nothing written); kDownloadAbandoned when the download could not start, failed part-way or was
// cancelled. Every failure but a cancel is told through callbacks.showNotice.
int HttpDownload(const DownloadRequest& request, KeptConnection& kept, const DownloadCallbacks& callbacks,
                 const DownloadLimits& limits = {});
