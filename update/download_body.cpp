// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/download_body.h"

#include "app/files/safe_file.h"
#include "update/chunk_size_line.h"
#include "update/download_errors.h"

#include <QCryptographicHash>
#include <algorithm>

namespace {
// A chunk-size line longer than this is not a chunk-size line.
constexpr std::int64_t kChunkLineLimit = 1024;

struct BodyReader {
    BlockingConnection& connection;
    AtomicFileWriter& file;
    QCryptographicHash& digest;
    const DownloadCallbacks& callbacks;
    std::int64_t total;    // the progress bar's range: the content length, 0 when unknown
    std::int64_t maxBytes; // the most a body may hold
    std::int64_t written = 0;

    static BodyResult Failure(int errorNumber) { return {false, errorNumber == 0, errorNumber}; }
    static BodyResult Failure(ReceiveOutcome outcome) { return Failure(ErrorNumberOf(outcome)); }

    // 0 when the bytes are in the file; otherwise the error number.
    int write(const std::string& bytes) {
        written += static_cast<std::int64_t>(bytes.size());
        if (written > maxBytes) return kDownloadErrorTooLarge;
        digest.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        return file.Write(bytes) ? 0 : kDownloadErrorWrite;
    }

    void showProgress(std::int64_t remaining) {
        SetProgress(callbacks, total, std::clamp<std::int64_t>(total - remaining, 0, total));
    }

    // Receives `remaining` bytes into the file: full blocks with progress and the event pump, then the
    // rest. nullopt when they all arrived; otherwise why not.
    std::optional<BodyResult> copy(std::int64_t remaining, bool pumpDuringRest) {
        while (remaining > 0) {
            bool fullBlock = remaining > kDownloadBlockSize;
            Received part = connection.receive(fullBlock ? kDownloadBlockSize : remaining);
            if (part.outcome != ReceiveOutcome::Data) return Failure(part.outcome);
            if (int error = write(part.bytes)) return Failure(error);
            remaining -= static_cast<std::int64_t>(part.bytes.size());
            if (fullBlock) showProgress(remaining);
            if (fullBlock || pumpDuringRest) PumpEvents(callbacks, 25);
            if (AbortRequested(callbacks)) return BodyResult{false, true, 0};
        }
        return std::nullopt;
    }

    BodyResult chunked() {
        // Each pass consumes a chunk-size line and adds the chunk to a body whose size is bounded;
        // a closed, silent or stopped connection and the deadline end the loop too.
        while (true) {
            Received line = connection.receiveLine(kChunkLineLimit);
            if (line.outcome == ReceiveOutcome::TooLong) return Failure(kDownloadErrorMalformed);
            if (line.outcome != ReceiveOutcome::Data) return Failure(line.outcome);
            std::optional<std::uint32_t> size = ChunkSize(line.bytes);
            if (!size) return Failure(kDownloadErrorMalformed);
            if (*size == 0) return {true, false, 0};
            if (written + *size > maxBytes) return Failure(kDownloadErrorTooLarge);
            if (auto stopped = copy(*size, false)) return *stopped;
            Received end = connection.receiveExactly(2);
            if (end.outcome != ReceiveOutcome::Data) return Failure(end.outcome);
            if (end.bytes != "\r\n") return Failure(kDownloadErrorMalformed);
            if (AbortRequested(callbacks)) return {false, true, 0};
        }
    }

    BodyResult knownLength(std::int64_t length) {
        if (length > maxBytes) return Failure(kDownloadErrorTooLarge);
        if (auto stopped = copy(length, true)) return *stopped;
        return {true, false, 0};
    }

    // Only an orderly close ends such a body; a reset connection leaves it incomplete.
    BodyResult untilClosed() {
        while (true) {
            Received part = connection.receive(kDownloadBlockSize);
            if (part.outcome == ReceiveOutcome::Closed) return {true, false, 0};
            if (part.outcome != ReceiveOutcome::Data) return Failure(part.outcome);
            if (int error = write(part.bytes)) return Failure(error);
            PumpEvents(callbacks, 25);
            if (AbortRequested(callbacks)) return {false, true, 0};
        }
    }
};
} // namespace

int ErrorNumberOf(ReceiveOutcome outcome) {
    switch (outcome) {
    case ReceiveOutcome::TimedOut:
        return kDownloadErrorTimedOut;
    case ReceiveOutcome::Expired:
        return kDownloadErrorTooLong;
    case ReceiveOutcome::TooLong:
        return kDownloadErrorMalformed;
    case ReceiveOutcome::Stopped:
        return 0;
    default:
        return kDownloadErrorEndedEarly;
    }
}

BodyResult ReadBody(BlockingConnection& connection, AtomicFileWriter& file, QCryptographicHash& digest,
                    const ResponseHeader& header, std::int64_t maxBytes, const DownloadCallbacks& callbacks) {
    BodyReader reader{connection, file, digest, callbacks, std::max<std::int64_t>(header.contentLength, 0),
                      maxBytes};
    if (header.transferCoding == "chunked") return reader.chunked();
    if (header.contentLength > 0) return reader.knownLength(header.contentLength);
    return reader.untilClosed();
}
