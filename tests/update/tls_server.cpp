// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/update/tls_server.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>

namespace {
constexpr int kStepLimitMs = 20000;
constexpr int kSliceMs = 50;

// Keeps the accepted descriptor, so that the test can wrap it in a server-side TLS socket.
class DescriptorServer : public QTcpServer {
  public:
    qintptr descriptor = -1;

  protected:
    void incomingConnection(qintptr handle) override { descriptor = handle; }
};

QByteArray ReadFile(const std::string& name) {
    QFile file(QString::fromStdString(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TlsServer::TlsServer(const std::string& certificateFile, const std::string& keyFile) {
    std::promise<std::uint16_t> listening;
    std::future<std::uint16_t> port = listening.get_future();
    thread_ = std::thread(&TlsServer::run, this, certificateFile, keyFile, std::move(listening));
    port_ = port.get();
}

TlsServer::~TlsServer() {
    stop_ = true;
    thread_.join();
}

std::string TlsServer::address() const {
    return "https://127.0.0.1:" + std::to_string(port_) + "/QMKVersion.txt";
}

void TlsServer::run(std::string certificateFile, std::string keyFile, std::promise<std::uint16_t> listening) {
    DescriptorServer server;
    server.listen(QHostAddress::LocalHost, 0);
    listening.set_value(server.serverPort());

    QElapsedTimer clock;
    clock.start();
    while (!stop_ && clock.elapsed() < kStepLimitMs && server.descriptor < 0)
        server.waitForNewConnection(kSliceMs);
    if (server.descriptor < 0) return;

    QSslSocket socket;
    socket.setSocketDescriptor(server.descriptor);
    socket.setLocalCertificate(QSslCertificate(ReadFile(certificateFile)));
    socket.setPrivateKey(QSslKey(ReadFile(keyFile), QSsl::Rsa));
    socket.startServerEncryption();
    if (!socket.waitForEncrypted(kStepLimitMs)) return;

    QByteArray request;
    clock.restart();
    while (!stop_ && clock.elapsed() < kStepLimitMs && !request.contains("\r\n\r\n") &&
           socket.state() == QAbstractSocket::ConnectedState)
        if (socket.waitForReadyRead(kSliceMs)) request += socket.readAll();
    socket.write("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    clock.restart();
    while (!stop_ && socket.bytesToWrite() + socket.encryptedBytesToWrite() > 0 &&
           clock.elapsed() < kStepLimitMs)
        socket.waitForBytesWritten(kSliceMs);
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState) socket.waitForDisconnected(kStepLimitMs);
}
