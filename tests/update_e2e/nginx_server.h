// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Debian's nginx on 127.0.0.1 for the end-to-end tests: started in the foreground with a
// configuration of its own in a temporary folder, on a free port, serving the files the test puts
// in its web root, and stopped when the object goes. It is installed first when it is missing.
#include "tests/support/temp_folder.h"

#include <QProcess>
#include <cstdint>
#include <string>

class NginxServer {
  public:
    // With a certificate and key (PEM files) it also serves the same files over https.
    explicit NginxServer(std::string certificate = "", std::string key = "");
    ~NginxServer();
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    // Empty when the server is running; otherwise why it is not.
    const std::string& failure() const { return failure_; }
    std::uint16_t port() const { return port_; }
    // "127.0.0.1:port", as a version file names the host.
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string address(const std::string& path) const { return "http://" + host() + path; }
    std::string secureAddress(const std::string& path) const {
        return "https://127.0.0.1:" + std::to_string(tlsPort_) + path;
    }

    // Puts a file under the web root ("files/setup.exe" is served as /files/setup.exe).
    void serve(const std::string& path, const std::string& bytes) const;
    // How many requests for the path the access log holds so far.
    int requestsFor(const std::string& path) const;

  private:
    bool start();
    std::string root() const { return (folder_.path() / "www").string(); }

    TempFolder folder_;
    QProcess process_;
    std::uint16_t port_ = 0;
    std::uint16_t tlsPort_ = 0;
    std::string certificate_;
    std::string key_;
    std::string failure_;
};
