// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/http_download.h"

#include "app/files/safe_file.h"
#include "app/text/cp1252.h"
#include "update/blocking_connection.h"
#include "update/download_body.h"
#include "update/download_errors.h"
#include "update/host_port.h"
#include "update/http_response_header.h"
#include "update/leading_number.h"

#include <QCryptographicHash>
#include <sys/stat.h>

namespace {
// A response header larger than this is not an HTTP header.
constexpr std::int64_t kHeaderLimit = 65536;
// No single header line is longer than this.
constexpr std::int64_t kHeaderLineLimit = 8192;

bool HasControlCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

// Nothing there, or a regular file that a download may replace; never a link, folder or FIFO.
bool MayReplace(const std::string& localPath) {
    struct stat info {};
    if (::lstat(localPath.c_str(), &info) != 0) return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

// Reads the header lines up to the empty line. 0 when complete; -1 when stopped by the user;
// otherwise the error number.
int ReadResponseHeader(BlockingConnection& connection, const std::string& host, ResponseHeader& header,
                       KeptConnection& kept) {
    std::int64_t budget = kHeaderLimit;
    while (budget > 0) {
        Received line = connection.receiveLine(std::min(budget, kHeaderLineLimit));
        if (line.outcome == ReceiveOutcome::Stopped) return -1;
        if (line.outcome == ReceiveOutcome::TooLong) return kDownloadErrorMalformed;
        if (line.outcome != ReceiveOutcome::Data) return ErrorNumberOf(line.outcome);
        budget -= static_cast<std::int64_t>(line.bytes.size());
        std::string_view text = WithoutLineEnd(line.bytes);
        if (IsHeaderEnd(text)) return 0;
        ReadHeaderLine(text, header);
        // A "connection:" value is remembered with its host as soon as it is read.
        if (header.connection) {
            kept.connectionValue = *header.connection;
            kept.host = host;
            header.connection.reset();
        }
    }
    return kDownloadErrorMalformed;
}

// The status as the result of the download; a status that is not a three-digit code must not read
// as success.
int StatusResult(const std::string& status) {
    std::int64_t code = LeadingWholeNumber(status);
    return code >= 100 && code <= 999 ? static_cast<int>(code) : kDownloadAbandoned;
}

int Fail(const DownloadCallbacks& callbacks, int errorNumber) {
    if (errorNumber > 0) ReportDownloadError(callbacks, errorNumber);
    return kDownloadAbandoned;
}

ConnectionLimits LimitsFor(const DownloadLimits& limits, const DownloadCallbacks& callbacks) {
    ConnectionLimits connection;
    connection.idleLimitMs = limits.idleLimitMs;
    connection.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.totalLimitMs);
    connection.keepGoing = [&callbacks] {
        PumpEvents(callbacks, 25);
        return !AbortRequested(callbacks);
    };
    return connection;
}
} // namespace

int HttpDownload(const DownloadRequest& request, KeptConnection& kept, const DownloadCallbacks& callbacks,
                 const DownloadLimits& limits) {
    // A connection left open by an earlier download is never reused.
    kept.socket.reset();
    if (request.keepAlive && !kept.host.empty() && kept.host != request.host) {
        kept.host.clear();
        kept.connectionValue.clear();
    }
    if (HasControlCharacter(request.host) || HasControlCharacter(request.path))
        return Fail(callbacks, kDownloadErrorAddress);
    if (!MayReplace(request.localPath)) return Fail(callbacks, kDownloadErrorFileName);

    BlockingConnection connection(LimitsFor(limits, callbacks));
    std::optional<HostPort> hostPort = SplitHostPort(request.host);
    OpenOutcome opened =
        hostPort ? connection.open(hostPort->name, hostPort->port) : OpenOutcome::HostNotFound;
    if (opened == OpenOutcome::Stopped) return kDownloadAbandoned;
    if (opened == OpenOutcome::Failed) return Fail(callbacks, connection.errorNumber());
    if (opened == OpenOutcome::HostNotFound) {
        ShowNotice(callbacks, UnreachableHostNotice(request.host));
        return kDownloadAbandoned;
    }

    ResponseHeader header;
    const ReceiveOutcome sent = connection.send(RequestText(RequestLines(request, kept.connectionValue)));
    int headerError = sent == ReceiveOutcome::Data
                          ? ReadResponseHeader(connection, request.host, header, kept)
                      : sent == ReceiveOutcome::Stopped ? -1
                                                        : ErrorNumberOf(sent);
    if (headerError != 0) return Fail(callbacks, headerError);
    PumpEvents(callbacks, 25);
    if (AbortRequested(callbacks)) return kDownloadAbandoned;
    if (header.status != "200") {
        ShowNotice(callbacks, ErrorStatusNotice(header.status));
        connection.close();
        return StatusResult(header.status);
    }

    AtomicFileWriter file(FromCp1252(request.localPath));
    if (!file.Open()) return Fail(callbacks, kDownloadErrorWrite);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    BodyResult body = ReadBody(connection, file, digest, header, limits.maxBytes, callbacks);
    if (!body.complete) return Fail(callbacks, body.aborted ? 0 : body.errorNumber);
    if (!request.sha256.empty() && digest.result().toHex().toStdString() != request.sha256)
        return Fail(callbacks, kDownloadErrorDigest);
    SetProgress(callbacks, 100, 100);
    PumpEvents(callbacks, 25);
    if (AbortRequested(callbacks)) return kDownloadAbandoned;
    if (!file.Commit()) return Fail(callbacks, kDownloadErrorWrite);
    if (kept.connectionValue == "keep-alive")
        kept.socket = connection.release();
    else
        connection.close();
    return 0;
}
