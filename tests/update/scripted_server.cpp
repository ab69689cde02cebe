// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/update/scripted_server.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <sys/socket.h>
#include <thread>

namespace {
// No single step of a scripted exchange waits longer than this.
constexpr qint64 kStepLimitMs = 30000;
constexpr int kSliceMs = 50;

// Reads up to the end of the request header; false when it does not come.
bool ReadRequestHeader(QTcpSocket& socket, QByteArray& header, const std::atomic<bool>& stop) {
    QElapsedTimer clock;
    clock.start();
    while (!header.contains("\r\n\r\n")) {
        if (stop || clock.elapsed() > kStepLimitMs || socket.state() != QAbstractSocket::ConnectedState)
            return false;
        if (socket.waitForReadyRead(kSliceMs)) header += socket.readAll();
    }
    header.truncate(header.indexOf("\r\n\r\n") + 4);
    return true;
}

// Waits until the client has closed its side, or the limit passes.
void HoldUntilClientLeaves(QTcpSocket& socket, const std::atomic<bool>& stop) {
    QElapsedTimer clock;
    clock.start();
    while (!stop && clock.elapsed() < kStepLimitMs && socket.state() == QAbstractSocket::ConnectedState) {
        if (socket.waitForReadyRead(kSliceMs)) socket.readAll();
    }
}
} // namespace

ScriptedServer::ScriptedServer(std::vector<ScriptedReply> replies) {
    std::promise<std::uint16_t> listening;
    std::future<std::uint16_t> port = listening.get_future();
    thread_ = std::thread(&ScriptedServer::run, this, std::move(replies), std::move(listening));
    port_ = port.get();
}

ScriptedServer::~ScriptedServer() {
    stop_ = true;
    thread_.join();
}

std::string ScriptedServer::host() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> ScriptedServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void ScriptedServer::run(std::vector<ScriptedReply> replies, std::promise<std::uint16_t> listening) {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    listening.set_value(server.serverPort());
    std::vector<std::unique_ptr<QTcpSocket>> keptOpen;

    for (const ScriptedReply& reply : replies) {
        QElapsedTimer clock;
        clock.start();
        while (!stop_ && clock.elapsed() < kStepLimitMs && !server.hasPendingConnections())
            server.waitForNewConnection(kSliceMs);
        if (!server.hasPendingConnections()) return;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        socket->setParent(nullptr);
        answer(*socket, reply);
        if (reply.keepOpen) keptOpen.push_back(std::move(socket));
    }
    // Hold kept connections until the test is over, as a keep-alive server would.
    while (!stop_ && !keptOpen.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
}

void ScriptedServer::answer(QTcpSocket& socket, const ScriptedReply& reply) {
    QByteArray header;
    if (!ReadRequestHeader(socket, header, stop_)) return;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(header.toStdString());
    }
    if (reply.silent) {
        HoldUntilClientLeaves(socket, stop_);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    auto flush = [&] {
        while (!stop_ && socket.bytesToWrite() > 0 && clock.elapsed() < kStepLimitMs &&
               socket.state() == QAbstractSocket::ConnectedState)
            socket.waitForBytesWritten(kSliceMs);
    };
    if (reply.trickleMs > 0) {
        for (std::size_t i = 0; i < reply.bytes.size() && !stop_ && clock.elapsed() < kStepLimitMs &&
                                socket.state() == QAbstractSocket::ConnectedState;
             ++i) {
            socket.write(&reply.bytes[i], 1);
            flush();
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.trickleMs));
        }
    } else {
        socket.write(reply.bytes.data(), static_cast<qint64>(reply.bytes.size()));
        flush();
    }
    // An endless body, bounded by the step limit and by the client leaving.
    while (!reply.repeat.empty() && !stop_ && clock.elapsed() < kStepLimitMs &&
           socket.state() == QAbstractSocket::ConnectedState) {
        socket.write(reply.repeat.data(), static_cast<qint64>(reply.repeat.size()));
        flush();
        if (socket.waitForReadyRead(1)) socket.readAll();
    }
    if (reply.reset) {
        const linger abortive{1, 0};
        setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                   sizeof abortive);
        socket.abort();
        return;
    }
    if (reply.keepOpen) return;
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState) socket.waitForDisconnected(kStepLimitMs);
}

std::string HttpResponse(const std::string& statusLine, const std::vector<std::string>& headerLines,
                         const std::string& body) {
    std::string text = statusLine + "\r\n";
    for (const std::string& line : headerLines)
        text += line + "\r\n";
    return text + "\r\n" + body;
}

std::uint16_t ClosedLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    std::uint16_t port = probe.serverPort();
    probe.close();
    return port;
}
