#pragma once
// Our own HTTP/1.0 client for the installer download, over a blocking TCP connection.
#include "update/download_callbacks.h"
#include "update/http_request.h"
#include "update/kept_connection.h"

// Bounds the connection's opening and every receive.
inline constexpr int kDownloadTimeLimitMs = 10000;
inline constexpr int kDownloadAbandoned = -2;

// Fetches request.path from request.host into request.localPath. The file is written under a
// temporary name and appears under its own name only when complete.
// Returns 0 on success; the HTTP status code when the server answered with another status than 200
// (nothing written); kDownloadAbandoned when the download could not start, failed part-way (the
// partial file is removed) or was cancelled. Every failure but a cancel is told through
// callbacks.showNotice.
int HttpDownload(const DownloadRequest& request, KeptConnection& kept, const DownloadCallbacks& callbacks);
