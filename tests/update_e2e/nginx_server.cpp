// SPDX-License-Identifier: GPL-3.0-or-later
#include "nginx_server.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kNginx = "/usr/sbin/nginx";
constexpr int kStartLimitMs = 10000;
constexpr int kStopLimitMs = 5000;

bool NginxInstalled() {
    return std::filesystem::exists(kNginx);
}

// The test machine may not have it yet; the package lists of the test scripts name it too.
void InstallNginx() {
    std::system("DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends nginx "
                ">/dev/null 2>&1 || (apt-get update -q >/dev/null 2>&1 && DEBIAN_FRONTEND=noninteractive "
                "apt-get install -y -q --no-install-recommends nginx >/dev/null 2>&1)");
}

std::uint16_t FreeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

std::string Configuration(const std::string& folder, const std::string& root, std::uint16_t port,
                          std::uint16_t tlsPort, const std::string& certificate, const std::string& key) {
    std::ostringstream conf;
    conf << "daemon off;\n"
         << "master_process off;\n"
         << "worker_processes 1;\n"
         << "pid " << folder << "/nginx.pid;\n"
         << "error_log " << folder << "/error.log;\n"
         << "events { worker_connections 64; }\n"
         << "http {\n"
         << "  access_log " << folder << "/access.log;\n"
         << "  client_body_temp_path " << folder << "/temp/body;\n"
         << "  proxy_temp_path " << folder << "/temp/proxy;\n"
         << "  fastcgi_temp_path " << folder << "/temp/fastcgi;\n"
         << "  uwsgi_temp_path " << folder << "/temp/uwsgi;\n"
         << "  scgi_temp_path " << folder << "/temp/scgi;\n"
         << "  default_type application/octet-stream;\n"
         << "  server {\n"
         << "    listen 127.0.0.1:" << port << ";\n"
         << "    root " << root << ";\n"
         << "  }\n";
    if (!certificate.empty())
        conf << "  server {\n"
             << "    listen 127.0.0.1:" << tlsPort << " ssl;\n"
             << "    ssl_certificate " << certificate << ";\n"
             << "    ssl_certificate_key " << key << ";\n"
             << "    root " << root << ";\n"
             << "  }\n";
    conf << "}\n";
    return conf.str();
}

bool Answers(std::uint16_t port) {
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    return probe.waitForConnected(200);
}

} // namespace

NginxServer::NginxServer(std::string certificate, std::string key)
    : certificate_(std::move(certificate)), key_(std::move(key)) {
    if (!NginxInstalled()) InstallNginx();
    if (!NginxInstalled()) {
        failure_ = "nginx is not installed and could not be installed";
        return;
    }
    for (int attempt = 0; attempt < 3 && !start(); ++attempt) {
    }
}

bool NginxServer::start() {
    const std::string folder = folder_.path().string();
    std::filesystem::create_directories(folder_.path() / "www");
    std::filesystem::create_directories(folder_.path() / "temp");
    port_ = FreeLoopbackPort();
    tlsPort_ = 0;
    for (int tries = 0; !certificate_.empty() && tries < 10 && (tlsPort_ == 0 || tlsPort_ == port_); ++tries)
        tlsPort_ = FreeLoopbackPort();
    folder_.write("nginx.conf", Configuration(folder, root(), port_, tlsPort_, certificate_, key_));
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QString::fromLatin1(kNginx),
                   {QStringLiteral("-p"), QString::fromStdString(folder + "/"), QStringLiteral("-e"),
                    QString::fromStdString(folder + "/error.log"), QStringLiteral("-c"),
                    QString::fromStdString(folder + "/nginx.conf")});
    if (!process_.waitForStarted(kStartLimitMs)) {
        failure_ = "nginx did not start";
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartLimitMs) {
        if (Answers(port_)) {
            failure_.clear();
            return true;
        }
        if (process_.state() == QProcess::NotRunning) break;
        QThread::msleep(50);
    }
    failure_ = "nginx did not answer: " + process_.readAll().toStdString() + folder_.read("error.log");
    process_.kill();
    process_.waitForFinished(kStopLimitMs);
    return false;
}

NginxServer::~NginxServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(kStopLimitMs)) {
        process_.kill();
        process_.waitForFinished(kStopLimitMs);
    }
}

void NginxServer::serve(const std::string& path, const std::string& bytes) const {
    const std::filesystem::path file = folder_.path() / "www" / path;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

int NginxServer::requestsFor(const std::string& path) const {
    std::istringstream log(folder_.read("access.log"));
    const std::string request = "\"GET " + path + " ";
    int count = 0;
    for (std::string line; std::getline(log, line);)
        if (line.find(request) != std::string::npos) ++count;
    return count;
}
