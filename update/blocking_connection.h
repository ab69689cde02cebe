// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A TCP connection used from the user-interface thread. Every wait (the host name lookup, the
// connection, every send and receive) is cut into short slices; between slices, and at least every
// kWaitSliceMs while bytes stream in, the connection calls `keepGoing`, which runs the event pump and
// tells whether to go on. So the windows stay painted and a cancel is honoured at once in every
// phase. A wait also ends when no byte has moved for the idle limit, or at the overall deadline.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "update/kept_connection.h"

inline constexpr int kWaitSliceMs = 50;

enum class OpenOutcome { Connected, HostNotFound, Failed, Stopped };
enum class ReceiveOutcome {
    Data,     // bytes arrived
    Closed,   // the server closed its side in order (end of stream)
    Broken,   // the connection was reset or failed
    TimedOut, // nothing arrived within the idle limit
    Expired,  // the overall deadline passed
    Stopped,  // keepGoing said stop (the user cancelled)
    TooLong,  // a line longer than the limit given
};

struct Received {
    ReceiveOutcome outcome = ReceiveOutcome::Closed;
    std::string bytes; // not empty exactly when outcome is Data
};

struct ConnectionLimits {
    int idleLimitMs = 10000;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    std::function<bool()> keepGoing; // empty: always go on
};

class BlockingConnection {
  public:
    explicit BlockingConnection(ConnectionLimits limits);
    ~BlockingConnection();
    BlockingConnection(const BlockingConnection&) = delete;
    BlockingConnection& operator=(const BlockingConnection&) = delete;

    // Connects directly (no proxy). On Failed, errorNumber() tells why (DownloadErrorNumber).
    OpenOutcome open(const std::string& hostName, std::uint16_t port);
    int errorNumber() const { return errorNumber_; }

    // Data when all bytes went out; otherwise why not.
    ReceiveOutcome send(std::string_view bytes);

    // Up to maxBytes of what arrives next.
    Received receive(std::int64_t maxBytes);
    // One line up to and including its line feed; TooLong when none comes within maxBytes.
    Received receiveLine(std::int64_t maxBytes);
    // Exactly `count` bytes, unless the connection ends, times out or is stopped first.
    Received receiveExactly(std::int64_t count);

    void close();
    // Hands over the open socket so that it stays open after this object is gone.
    SocketHandle release();

  private:
    // Waits until the socket is ready for `events` (poll flags). Data when ready.
    ReceiveOutcome waitFor(short events);
    // Calls keepGoing when a slice has passed since the last call; false means stop.
    bool tick();
    ReceiveOutcome fill(); // reads what is there into buffer_, waiting if nothing is

    ConnectionLimits limits_;
    SocketHandle socket_;
    std::string buffer_;
    int errorNumber_ = 0;
    std::chrono::steady_clock::time_point lastTick_;
};
