#include "update/download_body.h"

#include "update/chunk_size_line.h"
#include "update/download_errors.h"

#include <QSaveFile>
#include <algorithm>

namespace {
// A chunk-size line longer than this is not a chunk-size line.
constexpr std::int64_t kChunkLineLimit = 1024;

struct BodyReader {
    BlockingConnection& connection;
    QSaveFile& file;
    const DownloadCallbacks& callbacks;
    std::int64_t total; // the progress bar's range: the content length, 0 when unknown

    static BodyResult Failure(int errorNumber) { return {false, false, errorNumber}; }
    static BodyResult Failure(ReceiveOutcome outcome) {
        return Failure(outcome == ReceiveOutcome::TimedOut ? kDownloadErrorTimedOut
                                                           : kDownloadErrorEndedEarly);
    }

    bool write(const QByteArray& bytes) { return file.write(bytes) == bytes.size(); }

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
            if (!write(part.bytes)) return Failure(kDownloadErrorWrite);
            remaining -= part.bytes.size();
            if (fullBlock) showProgress(remaining);
            if (fullBlock || pumpDuringRest) PumpEvents(callbacks, 25);
            if (AbortRequested(callbacks)) return BodyResult{false, true, 0};
        }
        return std::nullopt;
    }

    BodyResult chunked() {
        // Each pass consumes a chunk-size line, so a closed or silent connection ends the loop.
        while (true) {
            Received line = connection.receiveLine(kChunkLineLimit);
            if (line.outcome != ReceiveOutcome::Data) return Failure(line.outcome);
            std::optional<std::uint32_t> size = ChunkSize(
                std::string_view(line.bytes.constData(), static_cast<std::size_t>(line.bytes.size())));
            if (!size) return Failure(kDownloadErrorMalformed);
            if (*size == 0) return {true, false, 0};
            if (auto stopped = copy(*size, false)) return *stopped;
            Received end = connection.receiveExactly(2);
            if (end.outcome != ReceiveOutcome::Data) return Failure(end.outcome);
            if (end.bytes != "\r\n") return Failure(kDownloadErrorMalformed);
        }
    }

    BodyResult knownLength(std::int64_t length) {
        if (auto stopped = copy(length, true)) return *stopped;
        return {true, false, 0};
    }

    BodyResult untilClosed() {
        while (true) {
            Received part = connection.receive(kDownloadBlockSize);
            if (part.outcome == ReceiveOutcome::Closed) return {true, false, 0};
            if (part.outcome == ReceiveOutcome::TimedOut) return Failure(kDownloadErrorTimedOut);
            if (!write(part.bytes)) return Failure(kDownloadErrorWrite);
            PumpEvents(callbacks, 25);
            if (AbortRequested(callbacks)) return {false, true, 0};
        }
    }
};
} // namespace

BodyResult ReadBody(BlockingConnection& connection, QSaveFile& file, const ResponseHeader& header,
                    const DownloadCallbacks& callbacks) {
    BodyReader reader{connection, file, callbacks, std::max<std::int64_t>(header.contentLength, 0)};
    if (header.transferCoding == "chunked") return reader.chunked();
    if (header.contentLength > 0) return reader.knownLength(header.contentLength);
    return reader.untilClosed();
}
