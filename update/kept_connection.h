// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one download leaves for the next within a run: the host whose server last sent a
// "connection:" header, that header's value, and the connection itself when it was left open after a
// "keep-alive" answer. A later download never reuses that connection; it opens a new one.
#include <string>

// An open socket's descriptor, closed when the handle goes.
class SocketHandle {
  public:
    SocketHandle() = default;
    explicit SocketHandle(int fd) : fd_(fd) {}
    ~SocketHandle() { reset(); }
    SocketHandle(SocketHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    SocketHandle& operator=(SocketHandle&& other) noexcept;
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;

    int fd() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    void reset();

  private:
    int fd_ = -1;
};

struct KeptConnection {
    std::string host;
    std::string connectionValue; // lower-cased, e.g. "keep-alive" or "close"
    SocketHandle socket;
};
