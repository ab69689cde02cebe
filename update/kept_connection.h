#pragma once
// What one download leaves for the next within a run: the host whose server last sent a
// "connection:" header, that header's value, and the connection itself when it was left open after a
// "keep-alive" answer. A later download never reuses that connection; it opens a new one.
#include <memory>
#include <string>

class QTcpSocket;

struct KeptConnection {
    std::string host;
    std::string connectionValue; // lower-cased, e.g. "keep-alive" or "close"
    std::unique_ptr<QTcpSocket> socket;

    KeptConnection();
    ~KeptConnection();
    KeptConnection(KeptConnection&&) noexcept;
    KeptConnection& operator=(KeptConnection&&) noexcept;
};
