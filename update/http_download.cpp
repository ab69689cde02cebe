#include "update/http_download.h"

#include "app/text/cp1252.h"
#include "update/blocking_connection.h"
#include "update/download_body.h"
#include "update/download_errors.h"
#include "update/host_port.h"
#include "update/http_response_header.h"
#include "update/leading_number.h"

#include <QFile>
#include <QSaveFile>
#include <QTcpSocket>

namespace {
// A response header larger than this is not an HTTP header.
constexpr std::int64_t kHeaderLimit = 65536;

bool HasControlCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

int Abandon(BlockingConnection& connection, const std::string& localPath) {
    connection.close();
    QFile::remove(FromCp1252(localPath));
    return kDownloadAbandoned;
}

int ErrorNumberOf(ReceiveOutcome outcome) {
    return outcome == ReceiveOutcome::TimedOut ? kDownloadErrorTimedOut : kDownloadErrorEndedEarly;
}

// Reads the header lines up to the empty line. 0 when complete; otherwise the error number.
int ReadResponseHeader(BlockingConnection& connection, const std::string& host, ResponseHeader& header,
                       KeptConnection& kept) {
    std::int64_t budget = kHeaderLimit;
    while (budget > 0) {
        Received line = connection.receiveLine(budget);
        if (line.outcome != ReceiveOutcome::Data) return ErrorNumberOf(line.outcome);
        if (line.bytes.isEmpty()) return kDownloadErrorMalformed;
        budget -= line.bytes.size();
        std::string_view text =
            WithoutLineEnd({line.bytes.constData(), static_cast<std::size_t>(line.bytes.size())});
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
} // namespace

int HttpDownload(const DownloadRequest& request, KeptConnection& kept, const DownloadCallbacks& callbacks) {
    // A connection left open by an earlier download is never reused.
    kept.socket.reset();
    if (request.keepAlive && !kept.host.empty() && kept.host != request.host) {
        kept.host.clear();
        kept.connectionValue.clear();
    }

    BlockingConnection connection(kDownloadTimeLimitMs);
    if (HasControlCharacter(request.host) || HasControlCharacter(request.path)) {
        ReportDownloadError(callbacks, kDownloadErrorAddress);
        return Abandon(connection, request.localPath);
    }
    std::optional<HostPort> hostPort = SplitHostPort(request.host);
    OpenOutcome opened =
        hostPort ? connection.open(hostPort->name, hostPort->port) : OpenOutcome::HostNotFound;
    if (opened == OpenOutcome::Failed) {
        ReportDownloadError(callbacks, connection.errorNumber());
        return kDownloadAbandoned;
    }
    if (opened == OpenOutcome::HostNotFound) {
        ShowNotice(callbacks, UnreachableHostNotice(request.host));
        return Abandon(connection, request.localPath);
    }

    ResponseHeader header;
    int headerError = connection.send(RequestText(RequestLines(request, kept.connectionValue)))
                          ? ReadResponseHeader(connection, request.host, header, kept)
                          : kDownloadErrorEndedEarly;
    if (headerError != 0) {
        ReportDownloadError(callbacks, headerError);
        return Abandon(connection, request.localPath);
    }
    PumpEvents(callbacks, 25);
    if (header.status != "200") {
        ShowNotice(callbacks, ErrorStatusNotice(header.status));
        connection.close();
        return StatusResult(header.status);
    }

    QSaveFile file(FromCp1252(request.localPath));
    if (!file.open(QIODevice::WriteOnly)) {
        ReportDownloadError(callbacks, kDownloadErrorWrite);
        return Abandon(connection, request.localPath);
    }
    BodyResult body = ReadBody(connection, file, header, callbacks);
    if (!body.complete) {
        file.cancelWriting();
        if (!body.aborted) ReportDownloadError(callbacks, body.errorNumber);
        return Abandon(connection, request.localPath);
    }
    SetProgress(callbacks, 100, 100);
    PumpEvents(callbacks, 25);
    if (!file.commit()) {
        ReportDownloadError(callbacks, kDownloadErrorWrite);
        return Abandon(connection, request.localPath);
    }
    if (kept.connectionValue == "keep-alive")
        kept.socket = connection.release();
    else
        connection.close();
    return 0;
}
