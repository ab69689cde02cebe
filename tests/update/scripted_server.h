// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small HTTP server for the tests, on 127.0.0.1 at a port the system chooses. It runs in its own
// thread and answers one connection per scripted reply, in order: it reads the request header, then
// sends the reply's bytes as they stand (so a test can send broken HTTP). Every wait is bounded, and
// the destructor stops the thread.
#include <atomic>
#include <cstdint>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QTcpSocket;

// Fields left out of a braced reply take their defaults (the test programs allow that).
struct ScriptedReply {
    std::string bytes;
    bool keepOpen = false; // leave the connection open after the reply, as after "keep-alive"
    bool silent = false;   // send nothing and hold the connection until the client gives up
    bool reset = false;    // end the connection with a reset instead of an orderly close
    int trickleMs = 0;     // send the bytes one at a time, this long apart
    std::string repeat;    // after the bytes, send this again and again until the client leaves
};

class ScriptedServer {
  public:
    explicit ScriptedServer(std::vector<ScriptedReply> replies);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    std::uint16_t port() const { return port_; }
    // "127.0.0.1:port", as a version file would name the host.
    std::string host() const;
    // The request headers received so far, one per connection, as sent.
    std::vector<std::string> requests() const;

  private:
    void run(std::vector<ScriptedReply> replies, std::promise<std::uint16_t> listening);
    void answer(QTcpSocket& socket, const ScriptedReply& reply);

    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A full HTTP/1.1 response with the given status line, extra header lines and body.
std::string HttpResponse(const std::string& statusLine, const std::vector<std::string>& headerLines,
                         const std::string& body);

// A port on 127.0.0.1 where nothing listens (it was free a moment ago).
std::uint16_t ClosedLoopbackPort();
