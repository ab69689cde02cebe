// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/blocking_connection.h"

#include "update/download_errors.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

int MsUntil(Clock::time_point when) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(when - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kWaitSliceMs));
}

// A host name lookup that may take long runs on a thread of its own, so that the waiting side can
// keep the windows painted and give up; the thread finishes on its own and frees what it found.
struct HostLookup {
    std::mutex mutex;
    bool done = false;
    int status = EAI_AGAIN;
    addrinfo* found = nullptr;
    ~HostLookup() {
        if (found) freeaddrinfo(found);
    }
};

addrinfo Hints(int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    return hints;
}

std::shared_ptr<HostLookup> StartLookup(const std::string& host, const std::string& port) {
    auto lookup = std::make_shared<HostLookup>();
    const addrinfo numeric = Hints(AI_NUMERICHOST | AI_NUMERICSERV);
    addrinfo* found = nullptr;
    if (!host.empty() && getaddrinfo(host.c_str(), port.c_str(), &numeric, &found) == 0) {
        lookup->done = true;
        lookup->status = 0;
        lookup->found = found;
        return lookup;
    }
    std::thread([lookup, host, port] {
        const addrinfo hints = Hints(AI_NUMERICSERV);
        addrinfo* result = nullptr;
        const int status =
            host.empty() ? EAI_NONAME : getaddrinfo(host.c_str(), port.c_str(), &hints, &result);
        const std::lock_guard lock(lookup->mutex);
        lookup->status = status;
        lookup->found = status == 0 ? result : nullptr;
        lookup->done = true;
    }).detach();
    return lookup;
}
} // namespace

BlockingConnection::BlockingConnection(ConnectionLimits limits)
    : limits_(std::move(limits)), lastTick_(Clock::now()) {}

BlockingConnection::~BlockingConnection() {
    close();
}

bool BlockingConnection::tick() {
    const auto now = Clock::now();
    if (now - lastTick_ < std::chrono::milliseconds(kWaitSliceMs)) return true;
    lastTick_ = now;
    return !limits_.keepGoing || limits_.keepGoing();
}

ReceiveOutcome BlockingConnection::waitFor(short events) {
    const auto idleEnd = Clock::now() + std::chrono::milliseconds(limits_.idleLimitMs);
    while (true) {
        pollfd watched{socket_.fd(), events, 0};
        const int ready = ::poll(&watched, 1, std::min(MsUntil(idleEnd), MsUntil(limits_.deadline)));
        if (ready > 0) return ReceiveOutcome::Data;
        if (ready < 0 && errno != EINTR) return ReceiveOutcome::Broken;
        if (!tick()) return ReceiveOutcome::Stopped;
        const auto now = Clock::now();
        if (now >= limits_.deadline) return ReceiveOutcome::Expired;
        if (now >= idleEnd) return ReceiveOutcome::TimedOut;
    }
}

OpenOutcome BlockingConnection::open(const std::string& hostName, std::uint16_t port) {
    const auto openEnd = Clock::now() + std::chrono::milliseconds(limits_.idleLimitMs);
    const std::shared_ptr<HostLookup> lookup = StartLookup(hostName, std::to_string(port));
    // Bounded by the open's time limit; every pass sleeps a slice or ends.
    while (true) {
        {
            const std::lock_guard lock(lookup->mutex);
            if (lookup->done) break;
        }
        if (!tick()) return OpenOutcome::Stopped;
        if (Clock::now() >= openEnd || Clock::now() >= limits_.deadline) {
            errorNumber_ = kDownloadErrorTimedOut;
            return OpenOutcome::Failed;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (lookup->status != 0 || lookup->found == nullptr) return OpenOutcome::HostNotFound;

    errorNumber_ = kDownloadErrorConnect;
    for (const addrinfo* address = lookup->found; address; address = address->ai_next) {
        socket_ = SocketHandle(::socket(address->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (!socket_.isOpen()) continue;
        if (::connect(socket_.fd(), address->ai_addr, address->ai_addrlen) != 0 && errno != EINPROGRESS) {
            errorNumber_ = errno == ECONNREFUSED ? kDownloadErrorRefused : kDownloadErrorConnect;
            socket_.reset();
            continue;
        }
        const ReceiveOutcome ready = waitFor(POLLOUT);
        if (ready == ReceiveOutcome::Stopped) {
            socket_.reset();
            return OpenOutcome::Stopped;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (ready == ReceiveOutcome::Data &&
            getsockopt(socket_.fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0)
            return OpenOutcome::Connected;
        errorNumber_ = ready == ReceiveOutcome::TimedOut || ready == ReceiveOutcome::Expired
                           ? kDownloadErrorTimedOut
                       : error == ECONNREFUSED ? kDownloadErrorRefused
                                               : kDownloadErrorConnect;
        socket_.reset();
    }
    return OpenOutcome::Failed;
}

ReceiveOutcome BlockingConnection::send(std::string_view bytes) {
    while (!bytes.empty()) {
        if (!socket_.isOpen()) return ReceiveOutcome::Broken;
        if (!tick()) return ReceiveOutcome::Stopped;
        const ssize_t sent = ::send(socket_.fd(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return ReceiveOutcome::Broken;
        const ReceiveOutcome ready = waitFor(POLLOUT);
        if (ready != ReceiveOutcome::Data) return ready;
    }
    return ReceiveOutcome::Data;
}

ReceiveOutcome BlockingConnection::fill() {
    char block[65536];
    while (true) {
        if (!socket_.isOpen()) return ReceiveOutcome::Closed;
        const ssize_t got = ::recv(socket_.fd(), block, sizeof block, 0);
        if (got > 0) {
            buffer_.append(block, static_cast<std::size_t>(got));
            return ReceiveOutcome::Data;
        }
        if (got == 0) return ReceiveOutcome::Closed;
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return ReceiveOutcome::Broken;
        const ReceiveOutcome ready = waitFor(POLLIN);
        if (ready != ReceiveOutcome::Data) return ready;
    }
}

Received BlockingConnection::receive(std::int64_t maxBytes) {
    if (!tick()) return {ReceiveOutcome::Stopped, {}};
    if (Clock::now() >= limits_.deadline) return {ReceiveOutcome::Expired, {}};
    if (buffer_.empty()) {
        const ReceiveOutcome filled = fill();
        if (filled != ReceiveOutcome::Data) return {filled, {}};
    }
    const std::size_t take = std::min<std::size_t>(buffer_.size(), static_cast<std::size_t>(maxBytes));
    Received part{ReceiveOutcome::Data, buffer_.substr(0, take)};
    buffer_.erase(0, take);
    return part;
}

Received BlockingConnection::receiveLine(std::int64_t maxBytes) {
    // Every pass either finds the line, gives up, or adds bytes to a buffer whose length is bounded.
    while (true) {
        if (!tick()) return {ReceiveOutcome::Stopped, {}};
        if (Clock::now() >= limits_.deadline) return {ReceiveOutcome::Expired, {}};
        const std::size_t feed = buffer_.find('\n');
        if (feed != std::string::npos && static_cast<std::int64_t>(feed) < maxBytes) {
            Received line{ReceiveOutcome::Data, buffer_.substr(0, feed + 1)};
            buffer_.erase(0, feed + 1);
            return line;
        }
        if (static_cast<std::int64_t>(buffer_.size()) >= maxBytes) return {ReceiveOutcome::TooLong, {}};
        const ReceiveOutcome filled = fill();
        if (filled != ReceiveOutcome::Data) return {filled, {}};
    }
}

Received BlockingConnection::receiveExactly(std::int64_t count) {
    std::string bytes;
    while (static_cast<std::int64_t>(bytes.size()) < count) {
        Received part = receive(count - static_cast<std::int64_t>(bytes.size()));
        if (part.outcome != ReceiveOutcome::Data) return {part.outcome, {}};
        bytes += part.bytes;
    }
    return {ReceiveOutcome::Data, bytes};
}

void BlockingConnection::close() {
    socket_.reset();
    buffer_.clear();
}

SocketHandle BlockingConnection::release() {
    return std::move(socket_);
}
