// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An https server for one request on 127.0.0.1, with a self-signed certificate: it answers "ok" only
// when the client accepts the certificate.
#include <atomic>
#include <cstdint>
#include <future>
#include <string>
#include <thread>

class TlsServer {
  public:
    TlsServer(const std::string& certificateFile, const std::string& keyFile);
    ~TlsServer();
    TlsServer(const TlsServer&) = delete;
    TlsServer& operator=(const TlsServer&) = delete;

    // "https://127.0.0.1:port/QMKVersion.txt"
    std::string address() const;

  private:
    void run(std::string certificateFile, std::string keyFile, std::promise<std::uint16_t> listening);

    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
