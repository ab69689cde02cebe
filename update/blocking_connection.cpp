#include "update/blocking_connection.h"

#include "app/text/cp1252.h"
#include "update/download_errors.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>

namespace {
int ErrorNumberOf(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return kDownloadErrorRefused;
    case QAbstractSocket::SocketTimeoutError:
        return kDownloadErrorTimedOut;
    default:
        return kDownloadErrorConnect;
    }
}
} // namespace

BlockingConnection::BlockingConnection(int timeLimitMs) : timeLimitMs_(timeLimitMs) {}

BlockingConnection::~BlockingConnection() {
    close();
}

OpenOutcome BlockingConnection::open(const std::string& hostName, std::uint16_t port) {
    socket_ = std::make_unique<QTcpSocket>();
    socket_->setProxy(QNetworkProxy::NoProxy);
    socket_->connectToHost(FromCp1252(hostName), port);
    if (socket_->waitForConnected(timeLimitMs_)) return OpenOutcome::Connected;
    QAbstractSocket::SocketError error = socket_->error();
    socket_.reset();
    if (error == QAbstractSocket::HostNotFoundError) return OpenOutcome::HostNotFound;
    errorNumber_ = ErrorNumberOf(error);
    return OpenOutcome::Failed;
}

bool BlockingConnection::send(std::string_view bytes) {
    if (!socket_) return false;
    if (socket_->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return false;
    while (socket_->bytesToWrite() > 0)
        if (!socket_->waitForBytesWritten(timeLimitMs_)) return false;
    return true;
}

bool BlockingConnection::waitForMore() {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) {
        lastWait_ = ReceiveOutcome::Closed;
        return false;
    }
    if (socket_->waitForReadyRead(timeLimitMs_)) return true;
    lastWait_ = socket_->error() == QAbstractSocket::SocketTimeoutError ? ReceiveOutcome::TimedOut
                                                                        : ReceiveOutcome::Closed;
    return false;
}

Received BlockingConnection::receive(std::int64_t maxBytes) {
    if (!socket_) return {ReceiveOutcome::Closed, {}};
    if (socket_->bytesAvailable() == 0 && !waitForMore()) return {lastWait_, {}};
    return {ReceiveOutcome::Data, socket_->read(std::min<qint64>(maxBytes, socket_->bytesAvailable()))};
}

Received BlockingConnection::receiveLine(std::int64_t maxBytes) {
    // Every pass either finds the line or waits for more bytes, and the line's length is bounded.
    while (socket_) {
        if (socket_->canReadLine()) {
            QByteArray line = socket_->readLine(maxBytes);
            return {ReceiveOutcome::Data, line.endsWith('\n') ? line : QByteArray()};
        }
        if (socket_->bytesAvailable() >= maxBytes) return {ReceiveOutcome::Data, {}};
        if (!waitForMore()) return {lastWait_, {}};
    }
    return {ReceiveOutcome::Closed, {}};
}

Received BlockingConnection::receiveExactly(std::int64_t count) {
    QByteArray bytes;
    while (bytes.size() < count) {
        Received part = receive(count - bytes.size());
        if (part.outcome != ReceiveOutcome::Data) return {part.outcome, {}};
        bytes += part.bytes;
    }
    return {ReceiveOutcome::Data, bytes};
}

void BlockingConnection::close() {
    if (!socket_) return;
    socket_->abort();
    socket_.reset();
}

std::unique_ptr<QTcpSocket> BlockingConnection::release() {
    return std::move(socket_);
}
