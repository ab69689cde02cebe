#pragma once
// A TCP connection used with blocking calls: every wait is bounded by the same time limit.
#include <QByteArray>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class QTcpSocket;

enum class OpenOutcome { Connected, HostNotFound, Failed };
enum class ReceiveOutcome { Data, Closed, TimedOut };

struct Received {
    ReceiveOutcome outcome = ReceiveOutcome::Closed;
    QByteArray bytes; // not empty exactly when outcome is Data
};

class BlockingConnection {
  public:
    explicit BlockingConnection(int timeLimitMs);
    ~BlockingConnection();
    BlockingConnection(const BlockingConnection&) = delete;
    BlockingConnection& operator=(const BlockingConnection&) = delete;

    // Connects directly (no proxy). On Failed, errorNumber() tells why.
    OpenOutcome open(const std::string& hostName, std::uint16_t port);
    int errorNumber() const { return errorNumber_; }

    bool send(std::string_view bytes);

    // Up to maxBytes of what arrives next; waits at most the time limit for anything to arrive.
    Received receive(std::int64_t maxBytes);

    // One line up to and including its line feed. A line longer than maxBytes gives outcome Data with
    // no bytes; a connection that ends or times out before the line feed gives Closed or TimedOut.
    Received receiveLine(std::int64_t maxBytes);

    // Exactly `count` bytes, unless the connection ends or times out first.
    Received receiveExactly(std::int64_t count);

    void close();
    // Hands over the open socket so that it stays open after this object is gone.
    std::unique_ptr<QTcpSocket> release();

  private:
    // Waits for bytes beyond those already buffered; false sets lastWait_.
    bool waitForMore();

    int timeLimitMs_;
    std::unique_ptr<QTcpSocket> socket_;
    int errorNumber_ = 0;
    ReceiveOutcome lastWait_ = ReceiveOutcome::Closed;
};
